// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's start: it checks that the browser can run the game, loads it, starts a
// session, and after "Exit" offers a new one. The service worker keeps the site for
// offline play.

import { AfterNextPaint, FindPageElements, Session } from "./session.js";
import { PageWindow } from "./page_window.js";
import type createVornType from "./vorn.js";

type CreateVorn = typeof createVornType;

function element(id: string): HTMLElement {
  const found = document.getElementById(id);
  if (found === null) throw new Error(`the page has no element "${id}"`);
  return found;
}

// Said in plain words in place of the game, which cannot start.
function showNotice(text: string): void {
  element("app").hidden = true;
  element("ended").hidden = true;
  const notice = element("notice");
  notice.textContent = text;
  notice.hidden = false;
  document.body.dataset["state"] = "failed";
}

// Said when the game's own files cannot be loaded or are not what the site serves (a
// network that answers with a sign-in page, a copy damaged on the way).
const kFilesUnavailable = "Vorn could not load its game files intact. If this network asks " +
  "you to sign in or accept its terms, do that first; then check the connection and reload " +
  "the page.";

function canRunWebAssembly(): boolean {
  return typeof WebAssembly === "object" && typeof WebAssembly.instantiate === "function";
}

async function startSession(createVorn: CreateVorn): Promise<void> {
  document.body.dataset["state"] = "starting";
  element("ended").hidden = true;
  element("app").hidden = false;
  const page = FindPageElements();
  const window = new PageWindow();
  const module = await createVorn({
    page: window,
    locateFile: (path) => new URL(path, document.baseURI).href,
  });
  new Session(page, window, module, showEnded).start();
  AfterNextPaint(() => {
    performance.mark("vorn-first-board");
    if (document.body.dataset["state"] === "starting") document.body.dataset["state"] = "playing";
  });
}

function showEnded(reason: string): void {
  element("app").hidden = true;
  element("ended-reason").textContent = reason;
  element("ended").hidden = false;
  document.title = "Vorn";
  document.body.dataset["state"] = "ended";
  element("new-session").focus();
}

let newerBuildInCharge = false;

function registerServiceWorker(): void {
  if (!("serviceWorker" in navigator)) return;
  // The first worker to take charge keeps the build this page came with; any later one
  // brings another.
  let controller = navigator.serviceWorker.controller;
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (controller !== null) newerBuildInCharge = true;
    controller = navigator.serviceWorker.controller;
  });
  navigator.serviceWorker.register("service_worker.js").catch(() => {
    // Without it the game still plays; it only needs the network to start.
  });
}

async function main(): Promise<void> {
  if (document.documentElement.dataset["refused"] !== undefined) return;  // page_guard.js
  element("starting").hidden = true;
  document.body.dataset["state"] = "starting";
  if (!canRunWebAssembly()) {
    showNotice("Vorn cannot run in this browser: it needs WebAssembly, which this browser " +
      "does not offer or has turned off. Any current version of Chrome, Edge, Firefox or " +
      "Safari will run it.");
    return;
  }
  // The cause goes to the console for whoever looks into it; the player gets plain words.
  const cannotStart = (error: unknown) => {
    console.warn("Vorn could not start:", error);
    showNotice(kFilesUnavailable);
  };
  let createVorn: CreateVorn;
  try {
    createVorn = (await import("./vorn.js")).default;
  } catch (error) {
    cannotStart(error);
    return;
  }
  element("new-session").addEventListener("click", () => {
    // Once a newer build is in charge, a new session loads the page again: this page's
    // vorn.js must not meet that build's vorn.wasm.
    if (newerBuildInCharge) location.reload();
    else startSession(createVorn).catch(cannotStart);
  });
  registerServiceWorker();
  await startSession(createVorn).catch(cannotStart);
}

// Whatever fails before a session stands is said in place of the game, never left to the
// browser as an unhandled rejection.
main().catch((error) => showNotice(`Vorn could not start: ${String(error)}`));
