// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's levels and the hint on the page: the "Level" menu by mouse and keyboard,
// a Strong reply searched for in the page's worker, End Current Game during a search, and
// the hint's ring and words.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { CellMiddle, ChooseMenu, ClickBoard, OpenLab, OpenVorn, Owners, ReadCells } from "./harness";
import type { Lab } from "./harness";
import type { Page } from "playwright-core";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

const kShape = { size: 11, rows: 11 };

async function Checked(page: Page): Promise<string[]> {
  return page.locator("#Levelx ~ [role=menu] [role=menuitemradio]").evaluateAll((buttons) =>
    buttons.map((button) => `${button.textContent}=${button.getAttribute("aria-checked")}`));
}

// Waits until the board shows `count` stones of `owner`.
async function WaitForStones(page: Page, owner: "G" | "R", count: number): Promise<string> {
  for (;;) {
    const owners = Owners(await ReadCells(page, kShape));
    if (owners.split(owner).length - 1 >= count) return owners;
    await page.waitForTimeout(50);
  }
}

async function Play(page: Page, cell: number): Promise<void> {
  const middle = CellMiddle(kShape, cell);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
}

test("the Level menu follows Size, starts on Standard and moves its mark by mouse and keyboard", async () => {
  const { page, errors } = await OpenVorn(lab);
  const bar = await page.locator("#menubar > .menu-holder > button").evaluateAll((buttons) =>
    buttons.map((button) => button.textContent));
  assert.deepEqual(bar, ["Vorn", "Size", "Level", "Help", "About", "Exit"]);
  assert.deepEqual(await Checked(page), ["Standard=true", "Strong=false"]);
  await ChooseMenu(page, "LevelStrong");
  assert.deepEqual(await Checked(page), ["Standard=false", "Strong=true"]);
  // Alt and L open the menu, S chooses Standard.
  await page.keyboard.press("Alt+l");
  await page.keyboard.press("s");
  assert.deepEqual(await Checked(page), ["Standard=true", "Strong=false"]);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("a Strong reply comes from the search worker, and End Current Game leaves no late stone", async () => {
  const { page, errors } = await OpenVorn(lab);
  const workers: string[] = [];
  page.on("worker", (worker) => workers.push(worker.url()));
  await ChooseMenu(page, "LevelStrong");
  await Play(page, 61);
  const owners = await WaitForStones(page, "R", 1);
  assert.equal(owners.split("R").length - 1, 1);
  assert.equal(owners[60], "G");
  assert.ok(workers.some((url) => url.endsWith("/search_worker.js")), `a search worker (${workers.join(", ")})`);
  assert.match(await page.locator("#live").textContent() ?? "", /^RED played row \d+, column \d+$/);

  // A click, and End Current Game right behind it; the next game's reply comes after the
  // cancelled one's answer, which is dropped.
  await Play(page, 1);
  await ChooseMenu(page, "Restartx");
  await Play(page, 121);
  const fresh = await WaitForStones(page, "R", 1);
  assert.equal(fresh.split("R").length - 1, 1, fresh);
  assert.equal(fresh.split("G").length - 1, 1, fresh);
  assert.equal(fresh[120], "G");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("Hint: the key H rings a free cell and says which; the ring goes with the next move", async () => {
  const { page, errors } = await OpenVorn(lab);
  assert.equal(await page.locator("#Hintx").isDisabled(), false);
  await page.locator("#board").click({ position: { x: 2, y: 2 } }); // the page has the focus
  await page.keyboard.press("h");
  const mark = page.locator(".hint-mark");
  await mark.waitFor({ state: "visible" });
  const said = await page.locator("#live").textContent() ?? "";
  const found = /^Hint: row (\d+), column (\d+)$/.exec(said);
  assert.ok(found !== null, said);
  const cell = (Number(found[1]) - 1) * 11 + Number(found[2]);
  // The ring sits on that cell's middle.
  const ring = await mark.evaluate((element) => {
    const style = (element as HTMLElement).style;
    return { x: parseFloat(style.left) + parseFloat(style.width) / 2, y: parseFloat(style.top) + parseFloat(style.height) / 2 };
  });
  const middle = CellMiddle(kShape, cell);
  assert.ok(Math.abs(ring.x - middle.x) < 2 && Math.abs(ring.y - middle.y) < 2, `ring ${JSON.stringify(ring)} on ${cell}`);
  await Play(page, cell === 1 ? 2 : 1);
  await mark.waitFor({ state: "hidden" });
  // In preset mode no hint is offered.
  await ChooseMenu(page, "Restartx");
  await ChooseMenu(page, "Presetx");
  await page.locator("#message-ok").click();
  assert.equal(await page.locator("#Hintx").isDisabled(), true);
  assert.deepEqual(errors, []);
  await page.context().close();
});
