// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A small static file server for the built site, on the loopback address only: for
// `./setup.sh web`, the browser tests and the benchmarks.
//   node serve.js SITE_DIR [PORT]     (PORT 0, or none, lets the system choose)

import { createReadStream, promises as fs } from "node:fs";
import * as http from "node:http";
import type { AddressInfo } from "node:net";
import * as path from "node:path";

const kTypes: Record<string, string> = {
  ".html": "text/html; charset=utf-8",
  ".htm": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
};

export interface SiteServer {
  url: string; // with a trailing "/"
  close(): Promise<void>;
}

// The file a request path names inside `root`, or null for one outside it.
export function FileFor(root: string, requestPath: string): string | null {
  let decoded: string;
  try {
    decoded = decodeURIComponent(requestPath.split("?")[0] ?? "/");
  } catch {
    return null;
  }
  if (decoded.endsWith("/")) decoded += "index.html";
  const file = path.resolve(root, "." + path.posix.normalize(decoded));
  return file.startsWith(path.resolve(root) + path.sep) ? file : null;
}

async function answer(root: string, cacheControl: string, request: http.IncomingMessage,
  response: http.ServerResponse): Promise<void> {
  const file = FileFor(root, request.url ?? "/");
  const stat = file === null ? null : await fs.stat(file).catch(() => null);
  if (file === null || stat === null || !stat.isFile() || (request.method !== "GET" && request.method !== "HEAD")) {
    response.writeHead(file === null ? 400 : 404, { "Content-Type": "text/plain; charset=utf-8" });
    response.end(file === null ? "bad request\n" : "not found\n");
    return;
  }
  response.writeHead(200, {
    "Content-Type": kTypes[path.extname(file)] ?? "application/octet-stream",
    "Content-Length": stat.size,
    "Cache-Control": cacheControl,
  });
  if (request.method === "HEAD") {
    response.end();
    return;
  }
  createReadStream(file).pipe(response);
}

// By default every file is asked for again, so a new build is seen at once (the service
// worker keeps copies); the tests serve with a lifetime too, as many hosts do.
export async function ServeSite(root: string, port = 0, cacheControl = "no-cache"): Promise<SiteServer> {
  await fs.access(path.join(root, "index.html")).catch(() => {
    throw new Error(`no built site in ${root}: build it first (./setup.sh web --no-serve)`);
  });
  const server = http.createServer((request, response) => {
    answer(root, cacheControl, request, response).catch(() => response.destroy());
  });
  await new Promise<void>((resolve, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", resolve);
  });
  const address = server.address() as AddressInfo;
  return {
    url: `http://127.0.0.1:${address.port}/`,
    close: () => new Promise<void>((resolve) => {
      server.closeAllConnections();
      server.close(() => resolve());
    }),
  };
}

if (require.main === module) {
  const [root, portText] = process.argv.slice(2);
  const port = Number(portText ?? "0");
  if (root === undefined || !Number.isInteger(port) || port < 0 || port > 65535) {
    console.error("usage: node serve.js SITE_DIR [PORT]");
    process.exit(2);
  }
  ServeSite(root, port).then((site) => {
    console.log(`Vorn is served at ${site.url} (Ctrl+C stops it)`);
  }, (error: Error) => {
    console.error(`serve: ${error.message}`);
    process.exit(1);
  });
}
