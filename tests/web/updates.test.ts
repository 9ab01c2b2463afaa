// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The copies the service worker keeps: a new build reaches a returning player whole, even
// from a host whose files the browser may keep for a day; a damaged copy is fetched again;
// and files that cannot be had intact are told in a player's words.

import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import * as fs from "node:fs";
import * as os from "node:os";
import * as path from "node:path";
import { after, before, test } from "node:test";
import type { Page } from "playwright-core";
import { OpenLab, OpenVorn } from "./harness";
import type { Lab } from "./harness";

function Required(name: string): string {
  const value = process.env[name];
  if (value === undefined || value === "") throw new Error(`${name} is not set (ctest sets it)`);
  return value;
}

let site: string; // a copy of the built site, changed into a new build by a test
let lab: Lab;
before(async () => {
  site = fs.mkdtempSync(path.join(os.tmpdir(), "vorn-site-"));
  fs.cpSync(Required("VORN_SITE_DIR"), site, { recursive: true });
  lab = await OpenLab(site, "max-age=86400");
});
after(async () => {
  await lab.close();
  fs.rmSync(site, { recursive: true, force: true });
});

// What the page's site keeps: each cache of the game by name, with the start of each file.
async function Kept(page: Page, files: string[]): Promise<Record<string, Record<string, string>>> {
  return page.evaluate(async (names) => {
    const kept: Record<string, Record<string, string>> = {};
    for (const cacheName of await caches.keys()) {
      const cache = await caches.open(cacheName);
      const starts: Record<string, string> = {};
      for (const name of names) {
        const response = await cache.match(name);
        const bytes = response === undefined ? [] : Array.from(new Uint8Array(await response.arrayBuffer()));
        starts[name] = bytes.map((byte) => String.fromCharCode(byte)).join("");
      }
      kept[cacheName] = starts;
    }
    return kept;
  }, files);
}

async function WaitForWorker(page: Page): Promise<void> {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
}

// The site built again with a changed style sheet and script, as a new release would be.
function MakeNewBuild(): { css: string; js: string } {
  const css = fs.readFileSync(path.join(site, "vorn.css"), "utf8") + "/* the next build */\n";
  const js = fs.readFileSync(path.join(site, "vorn.js"), "utf8") + "// the next build\n";
  fs.writeFileSync(path.join(site, "vorn.css"), css);
  fs.writeFileSync(path.join(site, "vorn.js"), js);
  execFileSync(Required("VORN_CMAKE"), [`-DSITE_DIR=${site}`, `-DBODY=${Required("VORN_WORKER_BODY")}`,
    `-DOUTPUT=${path.join(site, "service_worker.js")}`, "-P", Required("VORN_MAKE_WORKER")]);
  return { css, js };
}

test("a new build replaces the kept one whole, not with the browser's stored copies of the old", async () => {
  const { page, errors } = await OpenVorn(lab);
  await WaitForWorker(page);
  const [first] = Object.keys(await Kept(page, []));
  assert.ok(first !== undefined, "the first visit keeps the site");

  const next = MakeNewBuild();
  await page.reload(); // the browser looks for a new worker on every visit
  // The new build's cache in place of the old one (checked every tenth of a second; the
  // test's time limit ends a wait that never ends).
  let caught: string[] = [];
  while (caught.length !== 1 || caught[0] === first) {
    await page.waitForTimeout(100);
    caught = await page.evaluate(() => caches.keys());
  }
  const kept = Object.values(await Kept(page, ["./vorn.css", "./vorn.js"]))[0];
  assert.equal(kept?.["./vorn.css"], next.css, "the new build's style sheet");
  assert.equal(kept?.["./vorn.js"], next.js, "the new build's script");

  await page.reload();
  await page.waitForSelector("body[data-state=playing]");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("a damaged kept file is fetched again and replaced; the page plays", async () => {
  const { page, errors } = await OpenVorn(lab);
  await WaitForWorker(page);
  // What a network's sign-in page, stored in its place, looks like.
  await page.evaluate(async () => {
    for (const name of await caches.keys()) {
      await (await caches.open(name)).put("./vorn.wasm", new Response("<html>Sign in to this network</html>", {
        headers: { "Content-Type": "text/html" },
      }));
    }
  });
  await page.reload();
  await page.waitForSelector("body[data-state=playing]");
  for (const files of Object.values(await Kept(page, ["./vorn.wasm"]))) {
    assert.equal(files["./vorn.wasm"]?.slice(0, 4), "\0asm", "the copy is replaced");
  }
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("game files that arrive damaged are told in a player's words", async () => {
  const context = await lab.browser.newContext();
  await context.route("**/vorn.wasm", (route) => route.fulfill({
    status: 200, contentType: "text/html", body: "<html>Sign in to this network</html>",
  }));
  const page = await context.newPage();
  await page.goto(lab.site.url);
  await page.waitForSelector("body[data-state=failed]");
  const notice = await page.locator("#notice").textContent() ?? "";
  assert.match(notice, /could not load its game files/);
  assert.match(notice, /reload the page/);
  assert.doesNotMatch(notice, /Error|wasm|magic|abort/i, "no developer's words");
  await context.close();
});
