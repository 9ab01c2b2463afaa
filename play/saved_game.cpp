// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing and reading the saved game's text.
#include "play/saved_game.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "game/cell_lists.h"
#include "game/state.h"
#include "play/game_commands.h"
#include "play/settings.h"
#include "play/take_back.h"
#include "play/wins.h"

namespace vorn {

namespace {

constexpr int kLargestCell = kLargestBoard * kLargestBoard;

// ---- Writing.

class TextOut {
 public:
  TextOut& Line(const std::string& label) {
    text_ += text_.empty() ? label : "\n" + label;
    return *this;
  }
  TextOut& operator<<(long long number) { return *this << std::to_string(number); }
  TextOut& operator<<(const std::string& token) {
    text_ += ' ';
    text_ += token;
    return *this;
  }
  std::string str() const { return text_ + "\n"; }

 private:
  std::string text_;
};

void WriteCells(TextOut& out, const char* label, const PerCell<Integer>& values, int last) {
  out.Line(label);
  for (int cell = 1; cell <= last; ++cell) out << values[cell];
}

const std::string& Slot(const std::vector<std::string>& texts, Integer slot) {
  static const std::string kEmpty;
  return static_cast<std::size_t>(slot) < texts.size() ? texts[static_cast<std::size_t>(slot)]
                                                       : kEmpty;
}

void WritePlay(TextOut& out, const PlayBefore& kept, int influenceSlots) {
  const PlayState& play = kept.play;
  out.Line("play") << play.SideToMove << play.SelectedCell << play.GameStarted << play.PresetMode
                   << play.PresetStarted;
  out.Line(play.WinMessage.empty() ? "win" : "win " + play.WinMessage);
  WriteCells(out, "owner", play.CellOwner, CellCount);
  WriteCells(out, "influence", play.Influence, influenceSlots);
  WriteCells(out, "saved", play.SavedInfluence, CellCount);
  WriteCells(out, "cellgroup", play.CellGroup, CellCount);
  for (Integer side = 0; side <= 1; ++side) {
    out.Line("groups") << side << play.GroupCount[side];
    for (Integer slot = 1; slot <= play.GroupCount[side]; ++slot) {
      const std::string& group = Slot(kept.groups[side], slot);
      out << (group.empty() ? "-" : group);
    }
  }
  out.Line("bridges") << play.BridgeCount;
  for (Integer k = 1; k <= play.BridgeCount; ++k) out << Slot(kept.bridges, k);
}

// ---- Reading: the text is read whole into these, and checked, before the game is touched.

struct SavedPlay {
  Integer side = 0;
  Integer selected = 0;
  Integer started = No;
  Integer preset = No;
  Integer presetStarted = No;
  std::string win;
  std::vector<Integer> owner, influence, saved, cellGroup;  // index 0 unused
  std::vector<std::string> groups[2];                        // slot k at index k - 1
  std::vector<std::string> bridges;
};

struct SavedPoint {
  std::size_t moveCounts[2] = {0, 0};
  SavedPlay play;
};

struct SavedGame {
  std::string level;
  Integer size = 0;
  Integer square = Yes;
  int cells = 0;
  SavedPlay play;
  std::vector<Integer> moves[2];
  std::vector<SavedPoint> points;
};

class Damaged : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Tokens = std::vector<std::string_view>;

Tokens Split(std::string_view line) {
  Tokens tokens;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && line[at] == ' ') ++at;
    const std::size_t start = at;
    while (at < line.size() && line[at] != ' ') ++at;
    if (at > start) tokens.push_back(line.substr(start, at - start));
  }
  return tokens;
}

class TextIn {
 public:
  explicit TextIn(std::string_view text) {
    while (!text.empty()) {
      const std::size_t end = std::min(text.find('\n'), text.size());
      std::string_view line = text.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.push_back(line);
      text.remove_prefix(std::min(end + 1, text.size()));
    }
  }

  // The next line, which must begin with `label`; its tokens after the label.
  Tokens Expect(const char* label) {
    if (next_ >= lines_.size()) {
      throw Damaged("the text ends before its line \"" + std::string(label) +
                    "\": it was cut short");
    }
    ++next_;
    const std::string_view line = Current();
    const Tokens tokens = Split(line);
    if (tokens.empty() || tokens[0] != label) {
      throw Fault("expected the line \"" + std::string(label) + "\", found \"" +
                  Shown(line) + "\"");
    }
    return Tokens(tokens.begin() + 1, tokens.end());
  }

  // The text after the label and one space, as it stands.
  std::string_view Rest(std::string_view label) const {
    const std::string_view line = Current();
    return line.size() > label.size() ? line.substr(label.size() + 1) : std::string_view();
  }

  void ExpectEnd() {
    Expect("end");
    while (next_ < lines_.size() && lines_[next_].empty()) ++next_;
    if (next_ < lines_.size()) {
      ++next_;
      throw Fault("more text after \"end\"");
    }
  }

  // An error of the line read last.
  Damaged Fault(const std::string& what) const {
    return Damaged("line " + std::to_string(next_) + ": " + what);
  }

  long long Number(std::string_view token, long long low, long long high,
                   const std::string& what) const {
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size()) {
      throw Fault(what + " \"" + Shown(token) + "\" is not a whole number");
    }
    if (value < low || value > high) {
      throw Fault(what + " " + Shown(token) + " is outside " + std::to_string(low) + ".." +
                  std::to_string(high));
    }
    return value;
  }

  void Count(const Tokens& tokens, std::size_t wanted, const char* what) const {
    if (tokens.size() != wanted) {
      throw Fault(std::string(what) + " holds " + std::to_string(tokens.size()) +
                  " values where " + std::to_string(wanted) + " belong");
    }
  }

 private:
  std::string_view Current() const { return lines_[next_ - 1]; }
  static std::string Shown(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, 40)) shown += (c >= ' ' && c < 0x7F) ? c : '?';
    return text.size() > 40 ? shown + "..." : shown;
  }

  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

std::vector<Integer> ReadValues(TextIn& in, const char* label, int count, long long low,
                                long long high) {
  const Tokens tokens = in.Expect(label);
  in.Count(tokens, static_cast<std::size_t>(count), label);
  std::vector<Integer> values(1, 0);
  for (const std::string_view token : tokens) {
    const long long value = in.Number(token, low, high, std::string(label) + " value");
    values.push_back(static_cast<Integer>(value));
  }
  return values;
}

// A cell list ("005,017,") of cells 1..cells; its cells in order, none for a text that is
// not one.
bool ReadCellList(std::string_view list, int cells, std::vector<Integer>& found) {
  if (list.size() % 4 != 0) return false;
  for (std::size_t at = 0; at < list.size(); at += 4) {
    int cell = 0;
    const auto [end, error] = std::from_chars(list.data() + at, list.data() + at + 3, cell);
    if (error != std::errc() || end != list.data() + at + 3 || list[at + 3] != ',' ||
        list[at] == '-' || cell < 1 || cell > cells) {
      return false;
    }
    found.push_back(static_cast<Integer>(cell));
  }
  return true;
}

SavedPlay ReadPlay(TextIn& in, int cells, int influenceSlots) {
  SavedPlay play;
  const Tokens flags = in.Expect("play");
  in.Count(flags, 5, "play");
  play.side = static_cast<Integer>(in.Number(flags[0], 0, 1, "the side to move"));
  play.selected = static_cast<Integer>(in.Number(flags[1], 0, kLargestCell, "the selected cell"));
  play.started = static_cast<Integer>(in.Number(flags[2], 0, 1, "game started"));
  play.preset = static_cast<Integer>(in.Number(flags[3], 0, 1, "preset mode"));
  play.presetStarted = static_cast<Integer>(in.Number(flags[4], 0, 1, "preset game started"));
  if (play.preset == Yes && (play.started == Yes || play.presetStarted == Yes)) {
    throw in.Fault("preset mode in a game that has started");
  }
  // Only a preset stone leaves RED to move between two clicks.
  if (play.preset == No && play.side != 0) throw in.Fault("RED to move outside preset mode");
  in.Expect("win");
  play.win = in.Rest("win");
  if (!play.win.empty() && play.win != WinMessageOf(0) && play.win != WinMessageOf(1)) {
    throw in.Fault("not a message of a win");
  }
  play.owner = ReadValues(in, "owner", cells, -1, 1);
  play.influence = ReadValues(in, "influence", influenceSlots, -32768, 32767);
  play.saved = ReadValues(in, "saved", cells, -32768, 32767);
  play.cellGroup = ReadValues(in, "cellgroup", cells, 0, cells);
  for (Integer side = 0; side <= 1; ++side) {
    const Tokens tokens = in.Expect("groups");
    if (tokens.size() < 2 || in.Number(tokens[0], side, side, "the side of groups") != side) {
      throw in.Fault("the groups of side " + std::to_string(side) + " belong here");
    }
    const auto count = in.Number(tokens[1], 0, cells, "the number of groups");
    in.Count(Tokens(tokens.begin() + 2, tokens.end()), static_cast<std::size_t>(count), "groups");
    for (std::size_t k = 2; k < tokens.size(); ++k) {
      play.groups[side].push_back(tokens[k] == "-" ? std::string() : std::string(tokens[k]));
    }
  }
  const Tokens bridges = in.Expect("bridges");
  if (bridges.empty()) throw in.Fault("the number of bridge records is missing");
  const auto count = in.Number(bridges[0], 0, kLastSlot, "the number of bridge records");
  in.Count(Tokens(bridges.begin() + 1, bridges.end()), static_cast<std::size_t>(count), "bridges");
  for (std::size_t k = 1; k < bridges.size(); ++k) {
    const std::string_view record = bridges[k];
    if (record.size() != 11 || record[3] != ',' || record[7] != '&') {
      throw in.Fault("\"" + std::string(record) + "\" is not a bridge record");
    }
    in.Number(record.substr(0, 3), 1, cells, "the cell of a bridge");
    in.Number(record.substr(4, 3), 1, cells, "a group of a bridge");
    in.Number(record.substr(8, 3), 1, cells, "a group of a bridge");
    play.bridges.emplace_back(record);
  }
  return play;
}

// The chains hold every stone of their side once, each stone knows its chain, and the move
// lists (their first `moveCounts` entries) end with the stones on the board. `where` names
// the play in the messages.
void CheckPosition(const std::string& where, const SavedPlay& play, int cells,
                   const std::vector<Integer> (&moves)[2], const std::size_t (&moveCounts)[2]) {
  const auto fault = [&where](const std::string& what) { return Damaged(where + ": " + what); };
  for (Integer side = 0; side <= 1; ++side) {
    const std::string ofSide = " of side " + std::to_string(side);
    std::multiset<Integer> chained;
    for (std::size_t slot = 1; slot <= play.groups[side].size(); ++slot) {
      std::vector<Integer> cellsOfGroup;
      if (!ReadCellList(play.groups[side][slot - 1], cells, cellsOfGroup)) {
        throw fault("group " + std::to_string(slot) + ofSide + " is not a list of its cells");
      }
      for (const Integer cell : cellsOfGroup) {
        if (play.owner[cell] != side || play.cellGroup[cell] != static_cast<Integer>(slot)) {
          throw fault("cell " + std::to_string(cell) + " of group " + std::to_string(slot) +
                      ofSide + " holds no stone of that group");
        }
        chained.insert(cell);
      }
    }
    std::multiset<Integer> stones;
    for (int cell = 1; cell <= cells; ++cell) {
      if (play.owner[cell] == side) stones.insert(static_cast<Integer>(cell));
    }
    if (chained != stones) throw fault("the groups" + ofSide + " do not hold each stone once");
    const std::size_t count = moveCounts[side];
    if (count > moves[side].size() || count < stones.size()) {
      throw fault("side " + std::to_string(side) + " has more stones than moves");
    }
    const auto end = moves[side].begin() + static_cast<std::ptrdiff_t>(count);
    const std::multiset<Integer> last(end - static_cast<std::ptrdiff_t>(stones.size()), end);
    if (last != stones) throw fault("the moves" + ofSide + " do not end with its stones");
  }
  for (int cell = 1; cell <= cells; ++cell) {
    if (play.owner[cell] == -1 && play.cellGroup[cell] != 0) {
      throw fault("the empty cell " + std::to_string(cell) + " belongs to a group");
    }
  }
}

std::vector<Integer> ReadMoves(TextIn& in, Integer side) {
  const Tokens tokens = in.Expect("moves");
  if (tokens.size() < 2 || in.Number(tokens[0], side, side, "the side of moves") != side) {
    throw in.Fault("the moves of side " + std::to_string(side) + " belong here");
  }
  const auto count = in.Number(tokens[1], 0, 1000000000, "the number of moves");
  in.Count(Tokens(tokens.begin() + 2, tokens.end()), static_cast<std::size_t>(count), "moves");
  std::vector<Integer> moves;
  for (std::size_t k = 2; k < tokens.size(); ++k) {
    moves.push_back(static_cast<Integer>(in.Number(tokens[k], 1, kLargestCell, "a move")));
  }
  return moves;
}

SavedGame ReadGame(std::string_view text) {
  if (text.empty()) throw Damaged("the text is empty");
  const std::string title = std::string(kSavedGameTitle) + " ";
  if (!text.starts_with(title)) {
    throw Damaged("this is no saved game of Vorn: it does not begin with \"" + title + "\"");
  }
  TextIn in(text);
  const Tokens format = in.Expect("Vorn");
  if (format.size() != 3 || format[2] != std::to_string(kSavedGameFormat)) {
    throw Damaged("the game was saved in format \"" + std::string(format.back()) + "\"" +
                  " of another version of Vorn; this one reads format " +
                  std::to_string(kSavedGameFormat));
  }
  SavedGame game;
  const Tokens level = in.Expect("level");
  in.Count(level, 1, "level");
  if (!FindLevel(level[0])) throw in.Fault("unknown level \"" + std::string(level[0]) + "\"");
  game.level = level[0];
  const Tokens board = in.Expect("board");
  in.Count(board, 2, "board");
  game.size = static_cast<Integer>(in.Number(board[0], kSmallestBoard, kLargestBoard, "the size"));
  game.square = static_cast<Integer>(in.Number(board[1], 0, 1, "the shape"));
  game.cells = game.size * (game.square == Yes ? game.size : game.size - 1);
  game.play = ReadPlay(in, game.cells, kLastSlot);
  for (Integer side = 0; side <= 1; ++side) game.moves[side] = ReadMoves(in, side);
  const std::size_t counts[2] = {game.moves[0].size(), game.moves[1].size()};
  CheckPosition("the game", game.play, game.cells, game.moves, counts);
  const Tokens takeBacks = in.Expect("takebacks");
  in.Count(takeBacks, 1, "takebacks");
  const auto points = in.Number(takeBacks[0], 0, kLargestCell, "the number of take-backs");
  std::size_t before = 0;
  for (long long k = 0; k < points; ++k) {
    SavedPoint point;
    const Tokens lengths = in.Expect("point");
    in.Count(lengths, 2, "point");
    for (int side = 0; side <= 1; ++side) {
      point.moveCounts[side] = static_cast<std::size_t>(
          in.Number(lengths[side], 0, static_cast<long long>(counts[side]), "a move count"));
    }
    const std::size_t total = point.moveCounts[0] + point.moveCounts[1];
    if (k > 0 && total <= before) throw in.Fault("a take-back that takes back no stone");
    before = total;
    point.play = ReadPlay(in, game.cells, game.cells);
    CheckPosition("take-back " + std::to_string(k + 1), point.play, game.cells, game.moves,
                  point.moveCounts);
    game.points.push_back(std::move(point));
  }
  if (!game.points.empty() && before >= counts[0] + counts[1]) {
    throw in.Fault("the last take-back takes back no stone");
  }
  in.ExpectEnd();
  return game;
}

// ---- Putting the game back.

// The play of `saved` over `kept`, in the cells of the board and the influence slots given.
void PutPlay(const SavedPlay& saved, int cells, int influenceSlots, PlayBefore& kept) {
  PlayState& play = kept.play;
  play.SideToMove = saved.side;
  play.SelectedCell = saved.selected;
  play.GameStarted = saved.started;
  play.PresetMode = saved.preset;
  play.PresetStarted = saved.presetStarted;
  play.WinMessage = saved.win;
  for (int cell = 1; cell <= cells; ++cell) {
    play.CellOwner[cell] = saved.owner[cell];
    play.SavedInfluence[cell] = saved.saved[cell];
    play.CellGroup[cell] = saved.cellGroup[cell];
  }
  for (int slot = 1; slot <= influenceSlots; ++slot) play.Influence[slot] = saved.influence[slot];
  for (Integer side = 0; side <= 1; ++side) {
    play.GroupCount[side] = static_cast<Integer>(saved.groups[side].size());
    kept.groups[side].assign(1, std::string());
    kept.groups[side].insert(kept.groups[side].end(), saved.groups[side].begin(),
                             saved.groups[side].end());
  }
  play.BridgeCount = static_cast<Integer>(saved.bridges.size());
  kept.bridges.assign(1, std::string());
  kept.bridges.insert(kept.bridges.end(), saved.bridges.begin(), saved.bridges.end());
}

void PutGame(const SavedGame& game) {
  if (game.size != BoardSize || game.square != SquareBoard) BuildBoard(game.size, game.square);
  PlayBefore current = KeepPlay();
  PutPlay(game.play, game.cells, kLastSlot, current);
  std::vector<PlayBefore> points;
  for (const SavedPoint& saved : game.points) {
    PlayBefore point = current;  // off the board, the play is the same throughout a board
    PutPlay(saved.play, game.cells, game.cells, point);
    for (Integer side = 0; side <= 1; ++side) point.moveCounts[side] = saved.moveCounts[side];
    points.push_back(std::move(point));
  }
  PutBackPlay(current);
  for (Integer side = 0; side <= 1; ++side) PlayerMoves[side] = game.moves[side];
  TakeBacks = std::move(points);
  RedrawPlay();
  ShowGameMenus();
}

}  // namespace

std::string SaveGame(const std::string& level) {
  TextOut out;
  out.Line(kSavedGameTitle) << kSavedGameFormat;
  out.Line("level") << level;
  out.Line("board") << BoardSize << (SquareBoard == Yes ? 1 : 0);
  WritePlay(out, KeepPlay(), kLastSlot);
  for (Integer side = 0; side <= 1; ++side) {
    out.Line("moves") << side << static_cast<long long>(PlayerMoves[side].size());
    for (const Integer cell : PlayerMoves[side]) out << cell;
  }
  out.Line("takebacks") << static_cast<long long>(TakeBacks.size());
  for (const PlayBefore& point : TakeBacks) {
    out.Line("point") << static_cast<long long>(point.moveCounts[0])
                      << static_cast<long long>(point.moveCounts[1]);
    WritePlay(out, point, CellCount);
  }
  out.Line("end");
  return out.str();
}

bool RestoreGame(const std::string& text, std::string& level, std::string& error) {
  SavedGame game;
  try {
    game = ReadGame(text);
  } catch (const Damaged& damage) {
    error = std::string("the saved game is damaged: ") + damage.what();
    return false;
  }
  PutGame(game);
  level = game.level;
  return true;
}

}  // namespace vorn
