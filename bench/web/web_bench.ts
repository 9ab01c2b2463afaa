// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web build's benchmarks, in headless Chromium against the built site on 127.0.0.1:
//   - the bytes a first visit transfers for the page, its script, the game and its icons,
//     as built and compressed (gzip -9 and brotli, as a web server would send them);
//   - the time from navigation to the first painted board, over fresh visits;
//   - a click on the 21 x 21 board: the page's own work, and from the pointer event to the
//     reply drawn on the canvas and to the painted frame (which waits for the next frame).
// These are measurements, not tests: they print figures and fail only when they cannot
// measure.
//   node build-web/node/bench/web/web_bench.js [SITE_DIR] [VISITS] [CLICKS]

import * as path from "node:path";
import * as zlib from "node:zlib";
import type { Response } from "playwright-core";
import { CellMiddle, ChooseMenu, ClickBoard, OpenLab } from "../../tests/web/harness";
import type { Lab } from "../../tests/web/harness";

function Summary(values: number[], unit: string, digits = 1): string {
  const sorted = [...values].sort((a, b) => a - b);
  const median = sorted[Math.floor(sorted.length / 2)] ?? NaN;
  const mean = values.reduce((sum, value) => sum + value, 0) / values.length;
  const show = (value: number) => `${value.toFixed(digits)} ${unit}`;
  return `median ${show(median)}, mean ${show(mean)}, min ${show(sorted[0] ?? NaN)}, ` +
    `max ${show(sorted[sorted.length - 1] ?? NaN)} (${values.length} runs)`;
}

async function TransferSize(lab: Lab): Promise<void> {
  const context = await lab.browser.newContext();
  const page = await context.newPage();
  const responses: Response[] = [];
  page.on("response", (response) => responses.push(response));
  await page.goto(lab.site.url);
  await page.waitForSelector("body[data-state=playing]");
  await page.waitForLoadState("networkidle");
  let raw = 0;
  let gzip = 0;
  let brotli = 0;
  console.log("First visit: what the page loads (bytes as built / gzip -9 / brotli)");
  for (const response of responses) {
    const body = await response.body();
    const sizes = [body.length, zlib.gzipSync(body, { level: 9 }).length,
      zlib.brotliCompressSync(body, { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11 } }).length];
    raw += sizes[0] ?? 0;
    gzip += sizes[1] ?? 0;
    brotli += sizes[2] ?? 0;
    console.log(`  ${new URL(response.url()).pathname.padEnd(22)} ${sizes.map((size) => String(size).padStart(7)).join(" ")}`);
  }
  console.log(`  ${"all".padEnd(22)} ${[raw, gzip, brotli].map((size) => String(size).padStart(7)).join(" ")}` +
    `   (${(gzip / 1024).toFixed(1)} KiB with gzip, ${(brotli / 1024).toFixed(1)} KiB with brotli)`);
  await context.close();
}

async function FirstPaint(lab: Lab, visits: number): Promise<void> {
  const times: number[] = [];
  for (let visit = 0; visit < visits; ++visit) {
    const context = await lab.browser.newContext();
    const page = await context.newPage();
    await page.goto(lab.site.url);
    await page.waitForSelector("body[data-state=playing]");
    times.push(await page.evaluate(() => performance.getEntriesByName("vorn-first-board")[0]?.startTime ?? NaN));
    await context.close();
  }
  console.log(`Navigation to the first painted board: ${Summary(times, "ms")}`);
}

async function LargestBoardClicks(lab: Lab, clicks: number): Promise<void> {
  const context = await lab.browser.newContext({ viewport: { width: 1000, height: 700 } });
  const page = await context.newPage();
  await page.goto(lab.site.url + "?measure");
  await page.waitForSelector("body[data-state=playing]");
  for (let step = 11; step < 21; ++step) await ChooseMenu(page, "Increasex");
  const shape = { size: 21, rows: 21 };
  // Cells in a fixed order that spreads over the board; occupied ones are clicked all the same.
  let played = 0;
  for (let n = 0; played < clicks && n < 441 * 4; ++n) {
    const cell = ((n * 97) % 441) + 1;
    const middle = CellMiddle(shape, cell);
    await ClickBoard(page, 1, 0, middle.x, middle.y);
    await page.waitForFunction((count) => performance.getEntriesByName("vorn-click").length >= count, played + 1);
    ++played;
    if (await page.locator("#message").isVisible()) await page.locator("#message-ok").click();
  }
  const times = (name: string) => page.evaluate((entries) =>
    performance.getEntriesByName(entries).map((entry) => entry.duration), name);
  console.log("A click on the 21 x 21 board");
  console.log(`  the page's own work (game, drawing, labels): ${Summary(await times("vorn-click-handled"), "ms", 2)}`);
  console.log(`  pointer event to the reply drawn:            ${Summary(await times("vorn-click-drawn"), "ms", 2)}`);
  console.log(`  pointer event to the painted frame:          ${Summary(await times("vorn-click"), "ms", 2)}`);
  await context.close();
}

async function Main(): Promise<void> {
  const [siteDir = path.resolve(__dirname, "../../../site"), visits = "20", clicks = "60"] = process.argv.slice(2);
  const lab = await OpenLab(siteDir);
  try {
    console.log(`Chromium ${lab.browser.version()}, headless, site ${siteDir}`);
    await TransferSize(lab);
    await FirstPaint(lab, Number(visits));
    await LargestBoardClicks(lab, Number(clicks));
  } finally {
    await lab.close();
  }
}

Main().catch((error: Error) => {
  console.error(`web_bench: ${error.message}`);
  process.exit(1);
});
