<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>A hidden-number puzzle, made with Qt.</source>
        <translation>Ein Zahlenrätsel, mit Qt gebaut.</translation>
    </message>
    <message>
        <source>Escape closes it.</source>
        <translation>Escape schließt das Fenster.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Swap tiles with hidden numbers until the sums match.</source>
        <translation>Tausche Plättchen mit versteckten Zahlen, bis die Summen stimmen.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>the name of the data folder, %1, is not valid UTF-8</source>
        <translation>der Name des Datenordners, %1, ist kein gültiges UTF-8</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Sum Puzzle</source>
        <translation>Summenrätsel</translation>
    </message>
    <message>
        <source>Swap tiles with hidden numbers until every row, column and diagonal adds up</source>
        <translation>Tausche Plättchen mit versteckten Zahlen, bis jede Zeile, Spalte und Diagonale die richtige Summe ergibt</translation>
    </message>
    <message>
        <source>puzzle;sums;tiles;numbers;logic;</source>
        <translation>Rätsel;Summen;Plättchen;Zahlen;Logik;</translation>
    </message>
    <message>
        <source>Swap tiles with hidden numbers until the sums match</source>
        <translation>Tausche Plättchen mit versteckten Zahlen, bis die Summen stimmen</translation>
    </message>
    <message>
        <source>Nine blue tiles each hide a number from 1 to 9. Blue numbers around the grid show the sums of the rows, columns and diagonals as the tiles lie; red numbers show the sums to reach. Swap two tiles with two clicks, and find the one arrangement that matches every sum in as few steps as you can.</source>
        <translation>Neun blaue Plättchen verstecken je eine Zahl von 1 bis 9. Blaue Zahlen rund um das Feld zeigen die Summen der Zeilen, Spalten und Diagonalen, wie die Plättchen gerade liegen; rote Zahlen zeigen die Summen, die erreicht werden sollen. Tausche zwei Plättchen mit zwei Klicks und finde mit möglichst wenigen Zügen die eine Anordnung, bei der jede Summe stimmt.</translation>
    </message>
    <message>
        <source>A score table keeps your name and number of steps for every solved puzzle.</source>
        <translation>Eine Ergebnistabelle hält für jedes gelöste Rätsel deinen Namen und die Zahl deiner Züge fest.</translation>
    </message>
    <message>
        <source>The main window after three moves</source>
        <translation>Das Hauptfenster nach drei Zügen</translation>
    </message>
    <message>
        <source>The solved board under a dark palette with a larger font</source>
        <translation>Das gelöste Brett mit dunkler Farbpalette und größerer Schrift</translation>
    </message>
</context>
<context>
    <name>InstructionPictures</name>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>hidden numbers</source>
        <translation>verborgene Zahlen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Ann</source>
        <extracomment>Sample names in the picture of a score table: any five short names will do</extracomment>
        <translation>Anna</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Ben</translation>
    </message>
    <message>
        <source>Cleo</source>
        <translation>Clara</translation>
    </message>
    <message>
        <source>Dev</source>
        <translation>Dirk</translation>
    </message>
    <message>
        <source>Eve</source>
        <translation>Eva</translation>
    </message>
</context>
<context>
    <name>Line</name>
    <message>
        <source>top row</source>
        <translation>obere Zeile</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>mittlere Zeile</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>untere Zeile</translation>
    </message>
    <message>
        <source>right column</source>
        <translation>rechte Spalte</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation>mittlere Spalte</translation>
    </message>
    <message>
        <source>left column</source>
        <translation>linke Spalte</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>steigende Diagonale</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>fallende Diagonale</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A line&apos;s name, its sum as it stands and the sum it asks for: &quot;top row 13 of 6&quot;</extracomment>
        <translation>%1 %2 von %3</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Sorts the table by this column; again reverses the order</source>
        <translation>Sortiert die Tabelle nach dieser Spalte; noch einmal kehrt die Reihenfolge um</translation>
    </message>
    <message>
        <source>The table is empty.</source>
        <translation>Die Tabelle ist leer.</translation>
    </message>
    <message>
        <source>Last row.</source>
        <translation>Letzte Zeile.</translation>
    </message>
    <message>
        <source>First row.</source>
        <translation>Erste Zeile.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1 menu</source>
        <translation>Menü %1</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About Corvanthelix</source>
        <translation>Über Corvanthelix</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Picked row %1, column %2.</source>
        <translation>Gewählt: Zeile %1, Spalte %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n steps.</source>
        <translation>
            <numerusform>%n Zug.</numerusform>
            <numerusform>%n Züge.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of 8 lines match.</source>
        <translation>
            <numerusform>%n von 8 Linien stimmt.</numerusform>
            <numerusform>%n von 8 Linien stimmen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picked.</source>
        <translation>Gewählt.</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n steps.</source>
        <translation>
            <numerusform>Gelöst in %n Zug.</numerusform>
            <numerusform>Gelöst in %n Zügen.</numerusform>
        </translation>
    </message>
    <message>
        <source>New Game can be pressed again.</source>
        <translation>Mischen geht wieder.</translation>
    </message>
    <message>
        <source>New board dealt. New Game comes back once it is solved.</source>
        <translation>Neues Brett gelegt. Mischen geht wieder, sobald es gelöst ist.</translation>
    </message>
    <message numerus="yes">
        <source>Score entered: %1 with %n steps.</source>
        <translation>
            <numerusform>Ergebnis eingetragen: %1 mit %n Zug.</numerusform>
            <numerusform>Ergebnis eingetragen: %1 mit %n Zügen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Now at %1.</source>
        <translation>Jetzt bei %1.</translation>
    </message>
    <message>
        <source>The table is empty.</source>
        <translation>Die Tabelle ist leer.</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending.</source>
        <translation>Nach %1 sortiert, aufsteigend.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending.</source>
        <translation>Nach %1 sortiert, absteigend.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Swapped row %1, column %2 with itself.</source>
        <extracomment>The step it counts is told at the next tick, with the lines.</extracomment>
        <translation>Zeile %1, Spalte %2 mit sich selbst getauscht.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>the file is %1, more than the %2 this game reads</source>
        <translation>die Datei ist %1 groß, mehr als die %2, die das Spiel liest</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>zum Lesen reicht der Speicher nicht</translation>
    </message>
    <message>
        <source>the user&apos;s data folder could not be found</source>
        <translation>der Datenordner des Benutzers wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Your score could not be saved.

It is in the table until you quit, but it will not be there next time.

File: %1
Reason: %2</source>
        <translation>Dein Ergebnis konnte nicht gespeichert werden.

Es steht in der Tabelle, bis du das Spiel beendest, beim nächsten Mal aber nicht mehr.

Datei: %1
Grund: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Your scores could not be read, so the table starts empty.

The file is left as it is.

File: %1
Reason: %2</source>
        <translation>Deine Ergebnisse konnten nicht gelesen werden, darum beginnt die Tabelle leer.

Die Datei bleibt, wie sie ist.

Datei: %1
Grund: %2</translation>
    </message>
    <message>
        <source>Your score was saved, but the score file is too large to be read, so the table will start without it next time.

File: %1
Reason: %2</source>
        <translation>Dein Ergebnis wurde gespeichert, aber die Ergebnisdatei ist zu groß, um gelesen zu werden, daher fehlt es beim nächsten Mal in der Tabelle.

Datei: %1
Grund: %2</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>There is not enough memory to sort or search the score table, so it stays as it was.</source>
        <translation>Es ist nicht genug Speicher frei, um die Ergebnistabelle zu sortieren oder zu durchsuchen, darum bleibt sie, wie sie war.</translation>
    </message>
    <message>
        <source>Scores not read</source>
        <translation>Ergebnisse nicht gelesen</translation>
    </message>
    <message>
        <source>Score not shown</source>
        <translation>Ergebnis nicht angezeigt</translation>
    </message>
    <message>
        <source>There is not enough memory to show your score in the table.</source>
        <translation>Es ist nicht genug Speicher frei, um dein Ergebnis in der Tabelle anzuzeigen.</translation>
    </message>
    <message>
        <source>Score not saved</source>
        <translation>Ergebnis nicht gespeichert</translation>
    </message>
    <message>
        <source>Score not read back</source>
        <translation>Ergebnis nicht wieder lesbar</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>ABOUT</source>
        <translation>ÜBER</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Tile, row 1, column 1</source>
        <translation>Plättchen, Zeile 1, Spalte 1</translation>
    </message>
    <message>
        <source>Tile, row 1, column 2</source>
        <translation>Plättchen, Zeile 1, Spalte 2</translation>
    </message>
    <message>
        <source>Tile, row 1, column 3</source>
        <translation>Plättchen, Zeile 1, Spalte 3</translation>
    </message>
    <message>
        <source>Tile, row 2, column 1</source>
        <translation>Plättchen, Zeile 2, Spalte 1</translation>
    </message>
    <message>
        <source>Tile, row 2, column 2</source>
        <translation>Plättchen, Zeile 2, Spalte 2</translation>
    </message>
    <message>
        <source>Tile, row 2, column 3</source>
        <translation>Plättchen, Zeile 2, Spalte 3</translation>
    </message>
    <message>
        <source>Tile, row 3, column 1</source>
        <translation>Plättchen, Zeile 3, Spalte 1</translation>
    </message>
    <message>
        <source>Tile, row 3, column 2</source>
        <translation>Plättchen, Zeile 3, Spalte 2</translation>
    </message>
    <message>
        <source>Tile, row 3, column 3</source>
        <translation>Plättchen, Zeile 3, Spalte 3</translation>
    </message>
    <message>
        <source>Top row sum</source>
        <translation>Summe obere Zeile</translation>
    </message>
    <message>
        <source>Middle row sum</source>
        <translation>Summe mittlere Zeile</translation>
    </message>
    <message>
        <source>Bottom row sum</source>
        <translation>Summe untere Zeile</translation>
    </message>
    <message>
        <source>Right column sum</source>
        <translation>Summe rechte Spalte</translation>
    </message>
    <message>
        <source>Middle column sum</source>
        <translation>Summe mittlere Spalte</translation>
    </message>
    <message>
        <source>Left column sum</source>
        <translation>Summe linke Spalte</translation>
    </message>
    <message>
        <source>Rising diagonal sum</source>
        <translation>Summe steigende Diagonale</translation>
    </message>
    <message>
        <source>Falling diagonal sum</source>
        <translation>Summe fallende Diagonale</translation>
    </message>
    <message>
        <source>Right column target</source>
        <translation>Ziel rechte Spalte</translation>
    </message>
    <message>
        <source>Middle column target</source>
        <translation>Ziel mittlere Spalte</translation>
    </message>
    <message>
        <source>Left column target</source>
        <translation>Ziel linke Spalte</translation>
    </message>
    <message>
        <source>Falling diagonal target</source>
        <translation>Ziel fallende Diagonale</translation>
    </message>
    <message>
        <source>Top row target</source>
        <translation>Ziel obere Zeile</translation>
    </message>
    <message>
        <source>Middle row target</source>
        <translation>Ziel mittlere Zeile</translation>
    </message>
    <message>
        <source>Bottom row target</source>
        <translation>Ziel untere Zeile</translation>
    </message>
    <message>
        <source>Rising diagonal target</source>
        <translation>Ziel steigende Diagonale</translation>
    </message>
    <message>
        <source>Number of Steps:</source>
        <translation>Anzahl der Züge:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Score table</source>
        <translation>Ergebnistabelle</translation>
    </message>
    <message>
        <source>Enter Score</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>Keys: Space picks and swaps, the arrows move, S reads all sums, Ctrl+1 and Ctrl+2 sort, Delete removes.</source>
        <translation>Tasten: Leertaste wählt und tauscht, die Pfeile bewegen, S liest alle Summen, Strg+1 und Strg+2 sortieren, Entf entfernt.</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters, so that each score stays one line of the score file. That would have made it %2 characters long, so it was not taken: the name is as it was.</source>
        <translation>Ein Name kann höchstens %1 Zeichen haben, damit jedes Ergebnis eine Zeile der Ergebnisdatei bleibt. Er wäre damit %2 Zeichen lang geworden, daher wurde es nicht übernommen: Der Name ist, wie er war.</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Each blue tile has a number (1 ... 9) associated with it, The blue numbers off to the sides give the value of the rows, columns and diagonals of the hidden numbers as currently arranged. The purpose of the puzzle is to rearrange the  blue tiles (and the hidden numbers associated with them) so that the new blue numbers match the red numbers.</source>
        <translation>Jedes blaue Plättchen trägt eine versteckte Zahl von 1 bis 9. Die blauen Zahlen am Rand sind die Summen der Zeilen, Spalten und Diagonalen, so wie die Zahlen gerade liegen. Ziel des Spiels ist es, die blauen Plättchen (und mit ihnen ihre Zahlen) so umzulegen, dass die blauen Zahlen den roten gleichen.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The game&apos;s grid with its sums</source>
        <translation>Das Spielfeld mit seinen Summen</translation>
    </message>
    <message>
        <source>The solved order: 1 2 3, 4 5 6, 7 8 9</source>
        <translation>Die gelöste Reihenfolge: 1 2 3, 4 5 6, 7 8 9</translation>
    </message>
    <message>
        <source>This corresponds to a final arrangement of the blue tiles so that there hidden numbers are in the order shown on the right. The opening puzzle can be done in as little as  6 steps. All puzzles can be done in 8 steps or less.</source>
        <translation>Dann liegen die versteckten Zahlen der blauen Plättchen in der Reihenfolge, die rechts zu sehen ist. Das erste Rätsel ist in 6 Zügen lösbar, jedes Rätsel in höchstens 8.</translation>
    </message>
    <message>
        <source>To move the tiles, click on the one you want to move and then click on where you want it. (This interchanges the two tiles.)</source>
        <translation>Klicke ein Plättchen an und dann die Stelle, an die es soll. (Die beiden Plättchen tauschen die Plätze.)</translation>
    </message>
    <message>
        <source>A score table with the headings Name and Score</source>
        <translation>Eine Ergebnistabelle mit den Spalten Name und Züge</translation>
    </message>
    <message>
        <source>NOTE: Clicking &quot;Name&quot; in the table header will arrange the table in alphabetical order. Clicking &quot;Score&quot; in the header will arrange the table in numerical order. Clicking again will reverse the order.</source>
        <translation>HINWEIS: Ein Klick auf „Name“ im Tabellenkopf sortiert die Tabelle alphabetisch, ein Klick auf „Züge“ nach der Zahl. Ein weiterer Klick kehrt die Reihenfolge um.</translation>
    </message>
    <message>
        <source>Return or Escape goes back.</source>
        <translation>Eingabe oder Escape geht zurück.</translation>
    </message>
    <message>
        <source>(1 to 9)</source>
        <translation>(1 bis 9)</translation>
    </message>
</context>
</TS>
