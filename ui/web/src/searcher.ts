// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the engine's searches: each request goes to the search worker
// (search_worker.ts), and each answer back to the game, in the page's own thread. A session
// that ends stops its worker, so no answer arrives after it. Should the worker fail (its
// module not loaded), the requests it held are searched in the page's own module instead:
// slower to answer, but the game goes on.

import type { SearchRequest } from "./game.js";
import type { SearchAnswer } from "./search_worker.js";

export class Searcher {
  private worker: Worker | null = null;
  private pending: SearchRequest[] = [];
  private failed = false;

  constructor(
    private readonly answered: (answer: SearchAnswer) => void,
    private readonly searchHere: (request: SearchRequest) => number,
  ) {}

  // Whether the request went to the worker; false where the page cannot start one, and the
  // game then searches at once.
  start(request: SearchRequest): boolean {
    const worker = this.prepare();
    if (worker === null) return false;
    this.pending.push(request);
    worker.postMessage(request);
    return true;
  }

  // Starts the worker ahead of its first search, which would otherwise wait for the worker to
  // load its module: on the smaller boards that takes longer than the search itself.
  prepare(): Worker | null {
    if (this.failed || typeof Worker !== "function") return null;
    try {
      this.worker ??= this.startWorker();
    } catch {
      return null;
    }
    return this.worker;
  }

  stop(): void {
    this.worker?.terminate();
    this.worker = null;
    this.pending = [];
  }

  private startWorker(): Worker {
    const worker = new Worker(new URL("search_worker.js", document.baseURI), { type: "module" });
    worker.onmessage = (event: MessageEvent<SearchAnswer>) => {
      // Answers come in the order of the requests.
      this.pending.shift();
      this.answered(event.data);
    };
    worker.onerror = () => this.fail();
    return worker;
  }

  private fail(): void {
    const held = this.pending;
    this.stop();
    this.failed = true;
    for (const request of held) {
      this.answered({ ticket: request.ticket, purpose: request.purpose, cell: this.searchHere(request) });
    }
  }
}
