#!/usr/bin/env bash
# A blind player's whole game: the real Orca screen reader, speaking through
# speech-dispatcher into a file, and the keyboard alone. Each check presses
# keys as a player would and waits for Orca to say what the player needs.
#   orca.sh path/to/corvanthelix
set -uo pipefail
game=$1
. "$(dirname "$0")/session.sh"
trap 'kill $pids 2>/dev/null; pkill -u "$(id -u)" -f "speech-dispatcher.*$work"; rm -rf "$work"' EXIT
on_failure() { echo "Orca said:"; tail -n 15 "$work/spoken"; }
printf 'Ann,7\nZoe,9\n' >"$XDG_DATA_HOME/Corvanthelix.txt"
touch "$work/spoken"
# speech-dispatcher with a module that writes each text it is given to $SPOKEN.
cp -r "$(dirname "$0")/speech-dispatcher" "$XDG_CONFIG_HOME/"
export SPOKEN=$work/spoken
metacity --replace >/dev/null 2>&1 & pids="$pids $!" # new windows take the focus, as on a desktop
sleep 1
orca --replace >/dev/null 2>&1 & pids="$pids $!"
for _ in $(seq 150); do grep -q "Screen reader on" "$work/spoken" && break; sleep 0.1; done
check "Orca speaks" grep -q "Screen reader on" "$work/spoken"
"$game" 2>"$work/game.log" & game_pid=$! && pids="$pids $game_pid"

said() { # TEXT [SECONDS]: waits for Orca to say the text after the last keys
  for _ in $(seq $((${2:-5} * 10))); do
    tail -n +"$mark" "$work/spoken" | tr -s '\n ' '  ' | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  return 1
}
heard() { for text; do said "$text" || return 1; done; } # TEXT...: each of them
# Orca 48 reuses a description it presented in the last two seconds, changed
# or not (its speech generator's cache): Where Am I waits that long.
where_am_i() { sleep 2.1 && press KP_Enter; }
press() { # KEY...: presses them as a player would, each held a moment, a little apart
  mark=$(($(wc -l <"$work/spoken") + 1))
  for key in "$@"; do xdotool keydown "$key" sleep 0.1 keyup "$key"; sleep 0.3; done
}

shown() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]; }
said_once() { said "$1" && ! tail -n +"$mark" "$work/spoken" | tr -s '\n ' '  ' | grep -qF -- "$1 $1"; }
# TEXT COUNT: Orca said the text this many times since the last keys (after a moment for more).
said_times() { said "$1" && sleep 1.5 && [ "$(tail -n +"$mark" "$work/spoken" | tr -s '\n ' '  ' | grep -oF -- "$1" | wc -l)" -eq "$2" ]; }
# TEXT: what Orca said first after the last keys, but for their echo, begins with the text.
said_first() {
  said "$1" && tail -n +"$mark" "$work/spoken" | grep -v -x -E '(left |right )?(control|shift|[0-9]|delete|return|tab|space|escape|[A-Za-z]) ?' \
    | sed 's/^notification //' | tr -s '\n ' '  ' | sed 's/^ //' | grep -q "^$(printf '%s' "$1" | sed 's/[.[\*^$]/\\&/g')"
}
said_and() { said "$1" && "${@:2}"; } # TEXT COMMAND...: Orca said it, and the command holds
unsaid() { ! tail -n +"$mark" "$work/spoken" | grep -qF -- "$1"; } # TEXT: Orca has not said it since the last keys

mark=1
check "the game opens on the first tile, with its lines, and its keys are told" \
  heard "Tile, row 1, column 1" "top row 13 of 6, left column 22 of 12, falling diagonal 18 of 15" "Keys: Space picks and swaps"
press space
check "a first pick names its tile" said "Picked row 1, column 1"
where_am_i
check "Where Am I on the picked tile says it is picked" heard "Tile, row 1, column 1" "Picked."
press Right space
check "a swap is heard whole: both tiles' lines, and how close the board is" \
  heard "1 step" "left column 14 of 12" "middle column 21 of 15" "falling diagonal 10 of 15" "0 of 8 lines match"
where_am_i
check "Where Am I gives the tile's lines" heard "Tile, row 1, column 2" "top row 13 of 6, middle column 21 of 15"
press space space
check "a tile swapped with itself says so, and counts its step" heard "Swapped row 1, column 2 with itself" "2 steps"
# The rest of the six swaps that solve the opening board.
press space Down Right space Left Left space Right space space Down Right space Up space Down Left Left space space Right Right space
check "the solve is heard, with the focus on the name field" heard "Name: text. Solved in 7 steps" "New Game can be pressed again"
press M a x Return
check "entering a score is heard" said "Score entered: Max with 7 steps"
check "and the score is saved" test "$(tail -n 1 "$XDG_DATA_HOME/Corvanthelix.txt")" = "Max,7"
press KP_Up # flat review's current line
check "flat review reads the name field once" said_once "Name:"
press shift+Tab shift+Tab
check "the table speaks its current row once as it takes the focus" heard "Score table" "Ann. 7." && ! said "Score 7"
press ctrl+2
check "a sort is heard, news first, with the row now current" said_first "Sorted by Score, ascending. Now at Ann, 7."
where_am_i
check "Where Am I on the table reads the row under its heading" heard "Name" "Ann" "row 1 of 3"
press ctrl+Home Delete
check "a removal is heard, news first, with the new current row" said_first "Removed Ann, 7. Now at Max, 7."
where_am_i
check "and Where Am I is on that row" heard "Name" "Max" "row 1 of 2" && unsaid "Ann"
press Down Down
check "Down past the last row says so" said "Last row."
press Delete Delete
check "the table emptied says so" heard "Removed Zoe, 9." "Removed Max, 7. The table is empty."
press Tab Tab Return shift+Tab shift+Tab
check "emptied and filled again, it has a current row as it takes the focus" heard "Score table" "Max. 7."
press shift+Tab Return
check "Return presses New Game, which says when it comes back" heard "New board dealt" "New Game comes back once it is solved"
press Tab Return
check "the instructions are read as they open, with the solved order and their keys" \
  heard "Instructions dialog" "Each blue tile has a number (1 to 9)" "The solved order: 1 2 3, 4 5 6, 7 8 9" "Return or Escape goes back"
check "and read once" said_times "Each blue tile has a number" 1
where_am_i
check "Where Am I in the instructions leaves them open" said_and "Back" shown Instructions
press Return
check "Return goes back to the game" said_and "Corvanthelix" shown Corvanthelix
press F10
check "F10 opens the File menu on its first item, and names the menu" heard "Quit" "File menu"
press Right
check "Right goes on to the Edit menu on its first item, and names it, and nothing in between" \
  said_and "Edit menu" said_and "Undo" unsaid "push button"
press Left Down Return
check "About is read once as it opens, with its key" heard "ABOUT dialog Corvanthelix" "Escape closes it" \
  && said_times "ABOUT dialog" 1
press Escape Tab
check "Escape closes About, and the keys are the game's again" said "Name:"
check "the game still answers" kill -0 "$game_pid"
finish
