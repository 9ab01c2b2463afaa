// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games played by mouse and menu on the real page: what the canvas and the message
// boxes show must be what the golden traces recorded, stone for stone; the winning chain
// stays hatched while its message stands, and the fresh board comes only after OK.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import {
  CellMiddle, ChooseMenu, ClickBoard, GamePlayer, OpenLab, OpenVorn, Owners, ReadCells, ReadGame,
} from "./harness";
import type { Page } from "playwright-core";
import type { Lab } from "./harness";

const kGreen = "rgb(0, 128, 0)";
const kRed = "rgb(128, 0, 0)";
const kGrey = "rgb(192, 192, 192)";

// The fills of the turn indicator, GREEN's and RED's.
function Indicators(page: Page): Promise<string[]> {
  return page.locator(".indicator").evaluateAll((shapes) => shapes.map((shape) => getComputedStyle(shape).backgroundColor));
}

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

test("the golden games played by mouse show the recorded stones, messages and refused commands", async () => {
  for (const name of ["green_wins_square", "red_wins_non_square", "preset_chains", "computer_opening", "size_changes"]) {
    const { page, errors } = await OpenVorn(lab);
    const game = ReadGame(name);
    const player = new GamePlayer(page);
    await player.takeNote(true);
    await player.play(game.script);
    assert.deepEqual(player.seen, game.trace, name);
    assert.deepEqual(errors, [], name);
    await page.context().close();
  }
});

test("a winning chain is hatched while its message stands; the fresh board follows OK", async () => {
  const cases = [
    { name: "green_wins_square", shape: { size: 5, rows: 5 }, chain: [1, 2, 8, 14, 19, 25], side: "G", winner: "GREEN" },
    { name: "red_wins_non_square", shape: { size: 6, rows: 5 }, chain: [4, 11, 18, 24, 30], side: "R", winner: "RED" },
  ];
  for (const { name, shape, chain, side, winner } of cases) {
    const { page, errors } = await OpenVorn(lab);
    const game = ReadGame(name);
    const player = new GamePlayer(page);
    await player.takeNote(true);
    await player.play(game.script.slice(0, -2)); // the last line is a dump
    const winningClick = game.script[game.script.length - 2] ?? "";
    const cell = Number(winningClick.split(" ")[3]);
    const middle = CellMiddle(shape, cell);
    await ClickBoard(page, 1, 0, middle.x, middle.y);

    assert.equal(await page.locator("#message-text").textContent(), `${winner} WON - click here to continue`);
    const looks = await ReadCells(page, shape);
    const hatched = looks.flatMap((look, index) => (look.hatched ? [index + 1] : []));
    assert.deepEqual(hatched, chain, `${name}: the hatched cells`);
    for (const link of chain) assert.equal(looks[link - 1]?.owner, side, `${name}: cell ${link} under the hatch`);
    assert.equal(await page.title(), `VORN SIZE ${shape.size}`);
    // The turn indicator still shows the side that moved last: RED's reply won.
    assert.deepEqual(await Indicators(page), side === "R" ? [kGrey, kRed] : [kGreen, kGrey]);

    await page.locator("#message-ok").click();
    assert.deepEqual(await Indicators(page), [kGreen, kGrey], `${name}: GREEN to move`);
    const fresh = await ReadCells(page, shape);
    assert.equal(Owners(fresh), ".".repeat(shape.size * shape.rows), `${name}: a fresh board`);
    assert.ok(fresh.every((look) => !look.hatched));
    assert.equal(await page.locator("#Sizex").isDisabled(), false, "Size is offered again");
    assert.deepEqual(errors, []);
    await page.context().close();
  }
});

test("a layout that fills the board is announced at once, its chain hatched under the message", async () => {
  const { page, errors } = await OpenVorn(lab);
  const player = new GamePlayer(page);
  const shape = { size: 5, rows: 5 };
  await player.play(Array(6).fill("menu Decreasex"));
  await player.playLine("menu Presetx");
  for (let cell = 1; cell <= 25; ++cell) await player.playLine(`cell 1 0 ${cell}`);
  // No GREEN stone can be placed, so none is asked for: the one chain on the board wins.
  await ChooseMenu(page, "StartPreset");
  assert.equal(await page.locator("#message-text").textContent(), "GREEN WON - click here to continue");
  const looks = await ReadCells(page, shape);
  assert.ok(looks.every((look) => look.hatched && look.owner === "G"), "the whole board is the chain");
  await page.locator("#message-ok").click();
  assert.equal(await page.locator("#message").isVisible(), false);
  assert.equal(Owners(await ReadCells(page, shape)), ".".repeat(25));
  assert.deepEqual(errors, []);
  await page.context().close();
});
