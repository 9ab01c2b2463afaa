// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's windows: the message box and what closes it (or must not), Help with its
// Back, Forward and Exit, About, and Exit with the new session after it.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { CellMiddle, ChooseMenu, ClickBoard, OpenLab, OpenVorn, Owners, PagePoint, ReadCells } from "./harness";
import type { Lab } from "./harness";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

const kNonSquareMessage = "Computer cannot start first in non-square Board";

test("the menu bar has the desktop program's captions, letters and states", async () => {
  const { page, errors } = await OpenVorn(lab);
  // Each entry as shown, with its underlined letter in brackets.
  const shown = await page.locator("#menubar button").evaluateAll((buttons) => buttons.map((button) =>
    Array.from(button.childNodes).map((node) => (node.nodeName === "U" ? `[${node.textContent}]` : node.textContent)).join("")));
  assert.deepEqual(shown, ["[V]orn", "[E]nd Current Game", "[P]reset Board", "[S]tart Preset Game",
    "[T]ake Back", "[H]int", "[S]ize", "S[q]uare", "[I]ncrease", "[D]ecrease", "[L]evel", "[S]tandard",
    "S[t]rong", "[M]ark Last Move", "[H]elp", "[A]bout", "E[x]it"]);
  const states = await page.locator("#menubar button").evaluateAll((buttons) =>
    buttons.map((button) => `${(button as HTMLButtonElement).disabled ? "-" : "+"}${button.getAttribute("aria-checked") ?? ""}`));
  assert.deepEqual(states, ["+", "+", "+", "-", "-", "+", "+", "+true", "+", "+", "+", "+true", "+false", "+false",
    "+", "+", "+"], "Start Preset Game and Take Back off, Square and Standard checked, as the desktop starts");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("the message box: beside the board, deaf to a held key, closed by OK, its text, Enter, Space and Escape", async () => {
  const { page, errors } = await OpenVorn(lab);
  await ChooseMenu(page, "Squarex"); // 11 cells a row, 10 rows: the computer cannot open
  const shape = { size: 11, rows: 10 };
  const middle = CellMiddle(shape, 50);
  const box = page.locator("#message");

  // Each way of closing it, after a plain right click brings it up.
  const closers: Array<[string, () => Promise<void>]> = [
    ["OK", () => page.locator("#message-ok").click()],
    ["its text", () => page.locator("#message-text").click()],
    ["Enter", () => page.keyboard.press("Enter")],
    ["Space", () => page.keyboard.press(" ")],
    ["Escape", () => page.keyboard.press("Escape")],
  ];
  for (const [how, close] of closers) {
    await ClickBoard(page, 2, 0, middle.x, middle.y);
    assert.equal(await page.locator("#message-text").textContent(), kNonSquareMessage, how);
    assert.equal(await page.locator("#live").textContent(), kNonSquareMessage, "spoken too");
    assert.equal(await page.locator("#message-title").textContent(), "VORN");
    // It stands beside the board, which stays in view.
    const board = await page.locator("#board-frame").boundingBox();
    const shown = await box.boundingBox();
    assert.ok(board !== null && shown !== null);
    assert.ok(shown.x >= board.x + board.width || shown.y >= board.y + board.height, `${how}: beside the board`);
    // The board takes no click while the box is up.
    await page.mouse.click((await PagePoint(page, middle.x, middle.y)).x, (await PagePoint(page, middle.x, middle.y)).y);
    await close();
    assert.equal(await box.isVisible(), false, `closed by ${how}`);
    assert.equal(Owners(await ReadCells(page, shape)), ".".repeat(110), `${how}: nothing was played`);
  }

  // A key held down does not answer it twice.
  await ClickBoard(page, 2, 0, middle.x, middle.y);
  await page.keyboard.down("Enter");
  await page.keyboard.down("Enter"); // a repeat, as when the key is held
  assert.equal(await box.isVisible(), false, "the first press closed it");
  await page.keyboard.up("Enter");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("the message box ignores presses within the double-click interval after it appears, on OK and on its text", async () => {
  // An interval no slow machine can outlast: every press below falls within it.
  const { page, errors } = await OpenVorn(lab, {}, "?double-click-ms=3600000");
  await ChooseMenu(page, "Squarex");
  const middle = CellMiddle({ size: 11, rows: 10 }, 50);
  const box = page.locator("#message");
  await ClickBoard(page, 2, 0, middle.x, middle.y);
  for (const part of ["#message-ok", "#message-text"]) {
    const at = await page.locator(part).boundingBox();
    assert.ok(at !== null);
    await page.mouse.move(at.x + at.width / 2, at.y + at.height / 2);
    // Each press with its release, as the second click of a double click and a single one.
    for (const clickCount of [2, 1]) {
      await page.mouse.down({ clickCount });
      await page.mouse.up({ clickCount });
      assert.equal(await box.isVisible(), true, `a press on ${part} within the interval is no answer`);
    }
  }
  await page.keyboard.press("Enter"); // the keyboard answers at once
  assert.equal(await box.isVisible(), false);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("Help shows vorn.htm beside a usable board; Back and Forward act only on a page reached through an anchor; Exit hides it", async () => {
  const { page, errors } = await OpenVorn(lab);
  const help = page.locator("#help");
  const frame = page.frameLocator("#help-frame");
  const address = () => page.locator("#help-frame").evaluate((element) =>
    (element as HTMLIFrameElement).contentWindow?.location.href ?? "");

  await ChooseMenu(page, "Helpx");
  assert.equal(await help.isVisible(), true);
  await frame.locator("h1").waitFor();
  assert.equal(await frame.locator("h1").textContent(), "Vorn Help");
  assert.match(await address(), /\/vorn\.htm$/);

  await page.locator("#help-back").click(); // no "#" in the address: nothing happens
  assert.match(await address(), /\/vorn\.htm$/);

  await frame.locator("a[href='#mouse']").first().click();
  await page.waitForFunction(() =>
    (document.getElementById("help-frame") as HTMLIFrameElement).contentWindow?.location.hash === "#mouse");
  await frame.locator("a[href='#contents']").first().click();
  await page.waitForFunction(() =>
    (document.getElementById("help-frame") as HTMLIFrameElement).contentWindow?.location.hash === "#contents");
  await page.locator("#help-back").click();
  await page.waitForFunction(() =>
    (document.getElementById("help-frame") as HTMLIFrameElement).contentWindow?.location.hash === "#mouse");
  await page.locator("#help-forward").click();
  await page.waitForFunction(() =>
    (document.getElementById("help-frame") as HTMLIFrameElement).contentWindow?.location.hash === "#contents");

  // The board stays usable while Help is open.
  const shape = { size: 11, rows: 11 };
  const middle = CellMiddle(shape, 1);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
  assert.equal((await ReadCells(page, shape))[0]?.owner, "G");

  await page.locator("#help-exit").click();
  assert.equal(await help.isVisible(), false);
  // Help again starts from the top of the page.
  await ChooseMenu(page, "Helpx");
  await page.waitForFunction(() =>
    /\/vorn\.htm$/.test((document.getElementById("help-frame") as HTMLIFrameElement).contentWindow?.location.href ?? ""));
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("About shows the version and credit text modally, closed by OK (focused) or a press in the text; Exit ends the session and a new one starts with a fresh board", async () => {
  const { page, errors } = await OpenVorn(lab);
  const about = page.locator("#about");
  await ChooseMenu(page, "Aboutx");
  assert.equal(await page.locator("#about-title").textContent(), "About VORN");
  assert.equal(await page.locator("#about-version").textContent(), `Version ${process.env["VORN_VERSION"]}`);
  assert.match(await page.locator("#about-credit").textContent() ?? "", /^Vorn .* by the Vorn developers\n/);
  assert.equal(await page.evaluate(() => document.activeElement?.id), "about-ok");
  await page.keyboard.press("Enter");
  assert.equal(await about.isVisible(), false, "closed by the focused OK");

  // A press in the credit text closes it; released over a cell, it plays nothing.
  await ChooseMenu(page, "Aboutx");
  const credit = await page.locator("#about-credit").boundingBox();
  assert.ok(credit !== null);
  await page.mouse.move(credit.x + 20, credit.y + credit.height - 10);
  await page.mouse.down({ button: "right" });
  assert.equal(await about.isVisible(), false, "closed at the press");
  const cell = CellMiddle({ size: 11, rows: 11 }, 61);
  const over = await PagePoint(page, cell.x, cell.y);
  await page.mouse.move(over.x, over.y);
  await page.mouse.up({ button: "right" });
  assert.equal(Owners(await ReadCells(page, { size: 11, rows: 11 })), ".".repeat(121));

  // Exit mid-game, with Help open: everything closes and the game ends; the settings (the
  // size chosen) last.
  await ChooseMenu(page, "Decreasex");
  await ChooseMenu(page, "Helpx");
  const middle = CellMiddle({ size: 10, rows: 10 }, 45);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
  await ChooseMenu(page, "Exitx");
  assert.equal(await page.locator("#ended").isVisible(), true);
  assert.equal(await page.locator("#help").isVisible(), false);
  assert.equal(await page.locator("#app").isVisible(), false);
  await page.locator("#new-session").click();
  await page.waitForSelector("body[data-state=playing]");
  assert.equal(await page.title(), "VORN SIZE 10");
  assert.equal(Owners(await ReadCells(page, { size: 10, rows: 10 })), ".".repeat(100));
  assert.equal(await page.locator("#StartPreset").isDisabled(), true);
  assert.equal(await page.locator("#Squarex").getAttribute("aria-checked"), "true");
  assert.equal(await page.locator("[role=menubar] > .menu-holder").count(), 6, "one menu bar, not two");
  assert.deepEqual(errors, []);
  await page.context().close();
});
