// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search worker's own program: an instance of the game's module of its own, which
// searches each position the page sends and sends back the cell. Page and worker share
// nothing but these messages, so the page repaints and answers its menus meanwhile.

import createVorn from "./vorn.js";
import { SearchPosition } from "./game.js";
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
    const cell = SearchPosition(vorn, request);
    scope.postMessage({ ticket: request.ticket, purpose: request.purpose, cell });
  });
};
