// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search worker's own program: an instance of the game's module of its own, which
// searches each position the page sends and sends back the cell. Page and worker share
// nothing but these messages, so the page repaints and answers its menus meanwhile.

import createVorn from "./vorn.js";
import type { SearchRequest } from "./game.js";

export interface SearchAnswer {
  ticket: number;
  purpose: number;
  cell: number; // -1 when the engine refused the position
}

// The worker's global scope, in the words of the page's own types.
const scope = self as unknown as {
  onmessage: ((event: MessageEvent<SearchRequest>) => void) | null;
  postMessage(answer: SearchAnswer): void;
};

const module = createVorn({});

scope.onmessage = (event) => {
  const request = event.data;
  void module.then((vorn) => {
    vorn._vorn_worker_position(request.cellsPerRow, request.rows, request.toMove);
    request.owners.forEach((owner, index) => {
      if (owner >= 0) vorn._vorn_worker_stone(index + 1, owner);
    });
    const cell = vorn._vorn_worker_search(request.playouts);
    scope.postMessage({ ticket: request.ticket, purpose: request.purpose, cell });
  });
};
