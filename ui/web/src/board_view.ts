// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's area of the page: the canvas that is the window's persistent drawing
// surface, the turn indicator over it, and the mouse and touch input on it. The
// area is as large as the game sizes its window, in CSS pixels, and shrinks to fit a small
// viewport; on a touch screen it grows into the free space too, so cells are large enough
// for a finger. The canvas always has one pixel per device pixel, so outlines stay crisp.

import { Button, kNoKeys } from "./game.js";
import type { GameFacts, HeldKeys } from "./game.js";

export interface BoardInput {
  // A button release at (x, y) pixels of the board's area, with the keys held.
  release(button: Button, keys: HeldKeys, x: number, y: number, at: number): void;
}

interface DrawnPolygon {
  points: number[]; // x0, y0 .. x5, y5 in board pixels
  fill: number;
  style: number;
  width: number;
}

// How long a finger rests on the board before its release counts as a right click.
const kLongPressMs = 500;
// A finger that moves further than this, in CSS pixels, is not pressing long.
const kLongPressSlop = 12;
// Where the main pointer is a finger, the board may grow up to this many times its size.
const kLargestTouchScale = 4;
// The hatch patterns' spacing, in board pixels.
const kHatchStep = 8;

export function CssColor(color: number): string {
  return "#" + (color & 0xffffff).toString(16).padStart(6, "0");
}

// The lines of one tile of each fill style 2..7, from (x0, y0) to (x1, y1) in tile units.
const kHatchLines: Record<number, number[][]> = {
  2: [[0, 0.5, 1, 0.5]],
  3: [[0.5, 0, 0.5, 1]],
  4: [[0, 1, 1, 0]],
  5: [[0, 0, 1, 1]],
  6: [[0, 0.5, 1, 0.5], [0.5, 0, 0.5, 1]],
  7: [[0, 0, 1, 1], [0, 1, 1, 0]],
};

function KeysOf(event: MouseEvent): HeldKeys {
  return { shift: event.shiftKey, ctrl: event.ctrlKey, alt: event.altKey };
}

function MouseButton(button: number): Button | undefined {
  switch (button) {
    case 0: return Button.Left;
    case 1: return Button.Middle;
    case 2: return Button.Right;
    default: return undefined;
  }
}

export class BoardView {
  private readonly context: CanvasRenderingContext2D;
  private width = 1;
  private height = 1;
  private scale = 1;
  private pixelsPerBoardPixel = 1;
  private backColor = 0xc0c0c0;
  private drawWidth = 1;
  private drawn: DrawnPolygon[] = [];
  private readonly hatches = new Map<number, CanvasPattern>();
  private readonly indicators: HTMLElement[];
  private press: { id: number; x: number; y: number; timer: number; long: boolean } | null = null;
  private readonly pressedButtons = new Set<number>(); // mouse buttons pressed on the board

  constructor(
    private readonly frame: HTMLElement, // sized to the area as shown, after scaling
    private readonly area: HTMLElement, // the board's area in board pixels, scaled as a whole
    private readonly canvas: HTMLCanvasElement,
    facts: GameFacts,
    private readonly input: BoardInput,
    signal: AbortSignal,
  ) {
    const context = canvas.getContext("2d", { alpha: false });
    if (context === null) throw new Error("this browser cannot draw on a canvas");
    this.context = context;
    this.indicators = [0, 1].map((side) => this.makeIndicator(facts, side));
    this.listen(signal);
  }

  // --- The window's drawing -----------------------------------------------------------

  setSize(width: number, height: number): void {
    if (width === this.width && height === this.height) return;
    this.width = Math.max(1, width);
    this.height = Math.max(1, height);
    this.fit();
  }

  setBackColor(color: number): void {
    this.backColor = color;
    this.area.style.backgroundColor = CssColor(color);
  }

  setDrawWidth(pixels: number): void {
    this.drawWidth = pixels;
  }

  polygon(points: number[], fill: number, style: number): void {
    const polygon = { points, fill, style, width: this.drawWidth };
    this.drawn.push(polygon);
    this.paint(polygon);
  }

  cls(): void {
    this.drawn = [];
    this.erase();
  }

  // The middle of each hatched cell drawn since the last clear (a winning chain), in board
  // pixels.
  hatchedMiddles(): Array<{ x: number; y: number }> {
    return this.drawn.filter((polygon) => polygon.style !== 0).map(({ points }) => {
      let x = 0;
      let y = 0;
      for (let v = 0; v < 6; ++v) {
        x += (points[2 * v] ?? 0) / 6;
        y += (points[2 * v + 1] ?? 0) / 6;
      }
      return { x, y };
    });
  }

  setIndicator(side: number, color: number): void {
    const indicator = this.indicators[side];
    if (indicator !== undefined) indicator.style.backgroundColor = CssColor(color);
  }

  // Fits the area into the space the page leaves it, never larger than the game sized it
  // but on a touch screen, and draws everything again at the new resolution.
  fit(): void {
    const space = this.frame.parentElement ?? this.frame;
    const style = getComputedStyle(space);
    const spaceWidth = space.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    const spaceHeight = window.innerHeight - space.getBoundingClientRect().top - parseFloat(style.paddingBottom);
    const largest = matchMedia("(pointer: coarse)").matches ? kLargestTouchScale : 1;
    this.scale = Math.min(largest, spaceWidth / this.width, Math.max(spaceHeight, 1) / this.height);
    if (!(this.scale > 0)) this.scale = 1;
    this.frame.style.width = `${this.width * this.scale}px`;
    this.frame.style.height = `${this.height * this.scale}px`;
    this.area.style.width = `${this.width}px`;
    this.area.style.height = `${this.height}px`;
    this.area.style.transform = this.scale === 1 ? "" : `scale(${this.scale})`;
    const ratio = window.devicePixelRatio || 1;
    this.canvas.width = Math.max(1, Math.round(this.width * this.scale * ratio));
    this.canvas.height = Math.max(1, Math.round(this.height * this.scale * ratio));
    this.canvas.style.width = `${this.width}px`;
    this.canvas.style.height = `${this.height}px`;
    this.pixelsPerBoardPixel = this.canvas.width / this.width;
    this.hatches.clear();
    this.erase();
    for (const polygon of this.drawn) this.paint(polygon);
  }

  private erase(): void {
    const context = this.context;
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = CssColor(this.backColor);
    context.fillRect(0, 0, this.canvas.width, this.canvas.height);
  }

  private paint(polygon: DrawnPolygon): void {
    const context = this.context;
    const k = this.pixelsPerBoardPixel;
    context.setTransform(k, 0, 0, k, 0, 0);
    context.beginPath();
    const p = polygon.points;
    context.moveTo(p[0] ?? 0, p[1] ?? 0);
    for (let v = 1; v < 6; ++v) context.lineTo(p[2 * v] ?? 0, p[2 * v + 1] ?? 0);
    context.closePath();
    if (polygon.style === 0) {
      context.fillStyle = CssColor(polygon.fill);
      context.fill();
    } else if (polygon.style in kHatchLines) {
      context.fillStyle = this.hatch(polygon.style, polygon.fill);
      context.fill();
    }
    context.lineWidth = polygon.width;
    context.lineJoin = "miter";
    context.strokeStyle = "#000000";
    context.stroke();
  }

  // A hatch of the fill colour over what lies beneath, drawn at the canvas's own
  // resolution so its lines are as sharp as the outlines.
  private hatch(style: number, color: number): CanvasPattern | string {
    const key = style * 0x1000000 + color;
    const known = this.hatches.get(key);
    if (known !== undefined) return known;
    const k = this.pixelsPerBoardPixel;
    const side = Math.max(2, Math.round(kHatchStep * k));
    const tile = document.createElement("canvas");
    tile.width = side;
    tile.height = side;
    const tileContext = tile.getContext("2d");
    if (tileContext === null) return CssColor(color);
    tileContext.strokeStyle = CssColor(color);
    tileContext.lineWidth = Math.max(1, Math.round(k));
    for (const [x0, y0, x1, y1] of kHatchLines[style] ?? []) {
      tileContext.beginPath();
      tileContext.moveTo((x0 ?? 0) * side, (y0 ?? 0) * side);
      tileContext.lineTo((x1 ?? 0) * side, (y1 ?? 0) * side);
      tileContext.stroke();
    }
    const pattern = this.context.createPattern(tile, "repeat");
    if (pattern === null) return CssColor(color);
    pattern.setTransform(new DOMMatrix().scale(1 / k));
    this.hatches.set(key, pattern);
    return pattern;
  }

  private makeIndicator(facts: GameFacts, side: number): HTMLElement {
    const indicator = document.createElement("div");
    indicator.className = "indicator";
    indicator.setAttribute("aria-hidden", "true");
    const twipsX = facts.twipsPerPixelX;
    const twipsY = facts.twipsPerPixelY;
    indicator.style.left = `${facts.indicator.left / twipsX}px`;
    indicator.style.top = `${(facts.indicator.top[side] ?? 0) / twipsY}px`;
    indicator.style.width = `${facts.indicator.size / twipsX}px`;
    indicator.style.height = `${facts.indicator.size / twipsY}px`;
    this.area.append(indicator);
    return indicator;
  }

  // --- Mouse and touch ----------------------------------------------------------------

  // A position on the page in pixels of the board's area, whatever its scale.
  private boardPoint(event: MouseEvent): { x: number; y: number } {
    const rect = this.canvas.getBoundingClientRect();
    return {
      x: ((event.clientX - rect.left) * this.width) / rect.width,
      y: ((event.clientY - rect.top) * this.height) / rect.height,
    };
  }

  private listen(signal: AbortSignal): void {
    const options = { signal };
    const canvas = this.canvas;
    // Only a release acts, and only of a button pressed on the board: like a window, the
    // board keeps the mouse from a press to its release, wherever the release happens. The
    // middle button must not start the browser's scrolling.
    canvas.addEventListener("mousedown", (event) => {
      if (event.button === 1) event.preventDefault();
      this.pressedButtons.add(event.button);
    }, options);
    window.addEventListener("mouseup", (event) => {
      if (!this.pressedButtons.delete(event.button)) return;
      const button = MouseButton(event.button);
      const { x, y } = this.boardPoint(event);
      if (button !== undefined) this.input.release(button, KeysOf(event), x, y, event.timeStamp);
    }, options);
    // A finger or pen: its own events, and none of the mouse events a browser makes up
    // for it.
    canvas.addEventListener("pointerdown", (event) => {
      if (event.pointerType === "mouse") return;
      event.preventDefault();
      this.startPress(event);
    }, options);
    canvas.addEventListener("pointermove", (event) => {
      const press = this.press;
      if (press === null || press.id !== event.pointerId) return;
      if (Math.hypot(event.clientX - press.x, event.clientY - press.y) > kLongPressSlop) this.endPress();
    }, options);
    canvas.addEventListener("pointerup", (event) => {
      const press = this.press;
      if (event.pointerType === "mouse" || press === null || press.id !== event.pointerId) return;
      const long = press.long;
      this.endPress();
      // A tap is a left click; a long press a plain right click, so the computer can open.
      const { x, y } = this.boardPoint(event);
      this.input.release(long ? Button.Right : Button.Left, kNoKeys, x, y, event.timeStamp);
    }, options);
    canvas.addEventListener("pointercancel", () => this.endPress(), options);
    // Neither a right click nor a long press opens the browser's context menu.
    canvas.addEventListener("contextmenu", (event) => event.preventDefault(), options);
    // A new viewport or pixel ratio (a zoom, another screen) draws the board anew to fit.
    window.addEventListener("resize", () => this.fit(), options);
    const watchRatio = () => {
      matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener("change", () => {
        this.fit();
        watchRatio();
      }, { once: true, signal });
    };
    watchRatio();
  }

  private startPress(event: PointerEvent): void {
    this.endPress();
    const press = { id: event.pointerId, x: event.clientX, y: event.clientY, timer: 0, long: false };
    press.timer = window.setTimeout(() => {
      press.long = true;
      // Shown, so the player knows the release will be a right click.
      this.area.dataset["press"] = "long";
    }, kLongPressMs);
    this.press = press;
  }

  private endPress(): void {
    if (this.press !== null) window.clearTimeout(this.press.timer);
    this.press = null;
    delete this.area.dataset["press"];
  }
}
