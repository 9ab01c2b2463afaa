// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The service worker: it keeps a copy of every file of the site, so Vorn starts and plays
// without a network once it has been opened. The build writes CACHE_NAME and SITE_FILES
// above this body (make_service_worker.cmake): the files of one build, each with the SHA-256
// of its content, and a cache name made from them.
//
// The files of one build belong together (vorn.js and vorn.wasm above all), so each build
// has a cache of its own, filled whole or not at all, and nothing goes into it or comes out
// of it that is not byte for byte the file the build made.

declare const CACHE_NAME: string;
declare const SITE_FILES: Record<string, string>; // "./name" -> SHA-256, hexadecimal

const worker = self as unknown as ServiceWorkerGlobalScope;

// The site's name for a URL of this worker's scope ("./", "./vorn.wasm"), or null for one
// outside it.
function siteName(url: string): string | null {
  const scope = new URL(worker.registration.scope);
  const asked = new URL(url);
  if (asked.origin !== scope.origin || !asked.pathname.startsWith(scope.pathname)) return null;
  return "./" + asked.pathname.slice(scope.pathname.length);
}

async function sha256(response: Response): Promise<string> {
  const digest = await crypto.subtle.digest("SHA-256", await response.clone().arrayBuffer());
  return Array.from(new Uint8Array(digest), (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// Whether a response is the file `name` of this build. A network in the way (a sign-in page
// in place of the file) or a copy damaged on disk is caught here, not by the game.
async function isSiteFile(name: string, response: Response | undefined): Promise<boolean> {
  return response !== undefined && response.status === 200 && (await sha256(response)) === SITE_FILES[name];
}

// The file from the server itself: the browser's HTTP cache may still hold another build's.
async function fetchSiteFile(name: string): Promise<Response> {
  const response = await fetch(new Request(name, { cache: "reload" }));
  if (!(await isSiteFile(name, response))) throw new Error(`${name} is not the file of this build`);
  return response;
}

// Every file is fetched and checked before the first is kept: a build's cache is complete
// or does not exist, and a failed install leaves the previous build in charge.
async function fillCache(): Promise<void> {
  const names = Object.keys(SITE_FILES);
  const responses = await Promise.all(names.map(fetchSiteFile));
  await caches.delete(CACHE_NAME);
  try {
    const cache = await caches.open(CACHE_NAME);
    await Promise.all(names.map((name, index) => cache.put(name, responses[index] as Response)));
  } catch (error) {
    await caches.delete(CACHE_NAME);
    throw error;
  }
}

worker.addEventListener("install", (event) => {
  event.waitUntil(fillCache().then(() => worker.skipWaiting()));
});

// Copies kept by older builds are dropped once this one is in charge.
worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(
          names.filter((name) => name.startsWith("vorn-") && name !== CACHE_NAME).map((name) => caches.delete(name)),
        ),
      )
      .then(() => worker.clients.claim()),
  );
});

// What the server sends when a file of the site is neither kept whole nor to be had whole
// from the network: the page then says so in words of its own.
function unavailable(name: string): Response {
  return new Response(`${name} could not be loaded intact`, {
    status: 503,
    headers: { "Content-Type": "text/plain; charset=utf-8" },
  });
}

// A kept copy is checked before it is trusted; a damaged one is fetched again and replaced.
async function answerFromCache(request: Request, name: string): Promise<Response> {
  const cache = await caches.open(CACHE_NAME);
  const kept = await cache.match(name);
  if (await isSiteFile(name, kept)) return kept as Response;
  try {
    const fresh = await fetchSiteFile(name);
    await cache.put(name, fresh.clone());
    return fresh;
  } catch {
    // The page itself is better shown as the network has it (a sign-in page, say) than not.
    return request.mode === "navigate" ? fetch(request) : unavailable(name);
  }
}

// The kept copy first: the files of one build belong together, and the network may be gone.
worker.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET") return;
  const name = siteName(request.url);
  if (name === null) return;
  if (name in SITE_FILES) {
    event.respondWith(answerFromCache(request, name));
  } else if (request.mode === "navigate") {
    // Any other address of the site opens the page.
    event.respondWith(answerFromCache(request, "./"));
  }
});
