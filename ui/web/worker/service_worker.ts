// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The service worker: it keeps a copy of every file of the site, so Vorn starts and plays
// without a network once it has been opened. The build writes CACHE_NAME and SITE_FILES
// above this body (make_service_worker.cmake).

declare const CACHE_NAME: string;
declare const SITE_FILES: string[];

const worker = self as unknown as ServiceWorkerGlobalScope;

worker.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(CACHE_NAME).then((cache) => cache.addAll(SITE_FILES)).then(() => worker.skipWaiting()),
  );
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

// The kept copy first: the files of one build belong together, and the network may be gone.
worker.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== worker.location.origin) return;
  event.respondWith(
    caches.open(CACHE_NAME).then(async (cache) => {
      const kept = await cache.match(request, { ignoreSearch: true });
      if (kept !== undefined) return kept;
      if (request.mode === "navigate") {
        const page = await cache.match("./");
        if (page !== undefined) return page;
      }
      return fetch(request);
    }),
  );
});
