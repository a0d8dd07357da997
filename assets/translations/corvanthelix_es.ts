<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>A hidden-number puzzle, made with Qt.</source>
        <translation>Un acertijo numérico, hecho con Qt.</translation>
    </message>
    <message>
        <source>Escape closes it.</source>
        <translation>Escape la cierra.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Swap tiles with hidden numbers until the sums match.</source>
        <translation>Intercambia fichas con números ocultos hasta que las sumas coincidan.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>the name of the data folder, %1, is not valid UTF-8</source>
        <translation>el nombre de la carpeta de datos, %1, no es UTF-8 válido</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Sum Puzzle</source>
        <translation>Rompecabezas de sumas</translation>
    </message>
    <message>
        <source>Swap tiles with hidden numbers until every row, column and diagonal adds up</source>
        <translation>Intercambia fichas con números ocultos hasta que cada fila, columna y diagonal dé la suma correcta</translation>
    </message>
    <message>
        <source>puzzle;sums;tiles;numbers;logic;</source>
        <translation>rompecabezas;sumas;fichas;números;lógica;</translation>
    </message>
    <message>
        <source>Swap tiles with hidden numbers until the sums match</source>
        <translation>Intercambia fichas con números ocultos hasta que las sumas coincidan</translation>
    </message>
    <message>
        <source>Nine blue tiles each hide a number from 1 to 9. Blue numbers around the grid show the sums of the rows, columns and diagonals as the tiles lie; red numbers show the sums to reach. Swap two tiles with two clicks, and find the one arrangement that matches every sum in as few steps as you can.</source>
        <translation>Nueve fichas azules esconden cada una un número del 1 al 9. Los números azules alrededor del tablero muestran las sumas de las filas, columnas y diagonales según están las fichas; los números rojos, las sumas que hay que alcanzar. Intercambia dos fichas con dos clics y encuentra, en los menos movimientos posibles, la única disposición en la que coinciden todas las sumas.</translation>
    </message>
    <message>
        <source>A score table keeps your name and number of steps for every solved puzzle.</source>
        <translation>Una tabla de puntuaciones guarda tu nombre y tus movimientos de cada rompecabezas resuelto.</translation>
    </message>
    <message>
        <source>The main window after three moves</source>
        <translation>La ventana principal tras tres movimientos</translation>
    </message>
    <message>
        <source>The solved board under a dark palette with a larger font</source>
        <translation>El tablero resuelto con una paleta oscura y una letra más grande</translation>
    </message>
</context>
<context>
    <name>InstructionPictures</name>
    <message>
        <source>Solved</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>hidden numbers</source>
        <translation>números ocultos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Mov.</translation>
    </message>
    <message>
        <source>Ann</source>
        <extracomment>Sample names in the picture of a score table: any five short names will do</extracomment>
        <translation>Ana</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Beto</translation>
    </message>
    <message>
        <source>Cleo</source>
        <translation>Clara</translation>
    </message>
    <message>
        <source>Dev</source>
        <translation>Diego</translation>
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
        <translation>fila superior</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>fila central</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>fila inferior</translation>
    </message>
    <message>
        <source>right column</source>
        <translation>columna derecha</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation>columna central</translation>
    </message>
    <message>
        <source>left column</source>
        <translation>columna izquierda</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>diagonal ascendente</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>diagonal descendente</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A line&apos;s name, its sum as it stands and the sum it asks for: &quot;top row 13 of 6&quot;</extracomment>
        <translation>%1 %2 de %3</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sorts the table by this column; again reverses the order</source>
        <translation>Ordena la tabla por esta columna; otra vez invierte el orden</translation>
    </message>
    <message>
        <source>The table is empty.</source>
        <translation>La tabla está vacía.</translation>
    </message>
    <message>
        <source>Last row.</source>
        <translation>Última fila.</translation>
    </message>
    <message>
        <source>First row.</source>
        <translation>Primera fila.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1 menu</source>
        <translation>menú %1</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About Corvanthelix</source>
        <translation>Acerca de Corvanthelix</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Picked row %1, column %2.</source>
        <translation>Elegida fila %1, columna %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n steps.</source>
        <translation>
            <numerusform>%n movimiento.</numerusform>
            <numerusform>%n movimientos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of 8 lines match.</source>
        <translation>
            <numerusform>%n de 8 líneas correcta.</numerusform>
            <numerusform>%n de 8 líneas correctas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picked.</source>
        <translation>Elegida.</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n steps.</source>
        <translation>
            <numerusform>Resuelto en %n movimiento.</numerusform>
            <numerusform>Resuelto en %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>New Game can be pressed again.</source>
        <translation>Mezclar vuelve a estar disponible.</translation>
    </message>
    <message>
        <source>New board dealt. New Game comes back once it is solved.</source>
        <translation>Nuevo tablero repartido. Mezclar vuelve cuando esté resuelto.</translation>
    </message>
    <message numerus="yes">
        <source>Score entered: %1 with %n steps.</source>
        <translation>
            <numerusform>Puntuación registrada: %1 con %n movimiento.</numerusform>
            <numerusform>Puntuación registrada: %1 con %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Now at %1.</source>
        <translation>Ahora en %1.</translation>
    </message>
    <message>
        <source>The table is empty.</source>
        <translation>La tabla está vacía.</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending.</source>
        <translation>Ordenado por %1, ascendente.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending.</source>
        <translation>Ordenado por %1, descendente.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 eliminado.</translation>
    </message>
    <message>
        <source>Swapped row %1, column %2 with itself.</source>
        <extracomment>The step it counts is told at the next tick, with the lines.</extracomment>
        <translation>Fila %1, columna %2 intercambiada consigo misma.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>the file is %1, more than the %2 this game reads</source>
        <translation>el archivo ocupa %1, más de los %2 que lee el juego</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerlo</translation>
    </message>
    <message>
        <source>the user&apos;s data folder could not be found</source>
        <translation>no se encontró la carpeta de datos del usuario</translation>
    </message>
    <message>
        <source>Your score could not be saved.

It is in the table until you quit, but it will not be there next time.

File: %1
Reason: %2</source>
        <translation>No se pudo guardar tu puntuación.

Estará en la tabla hasta que salgas, pero la próxima vez ya no estará.

Archivo: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Your scores could not be read, so the table starts empty.

The file is left as it is.

File: %1
Reason: %2</source>
        <translation>No se pudieron leer tus puntuaciones, así que la tabla empieza vacía.

El archivo queda como está.

Archivo: %1
Motivo: %2</translation>
    </message>
    <message>
        <source>Your score was saved, but the score file is too large to be read, so the table will start without it next time.

File: %1
Reason: %2</source>
        <translation>Tu puntuación se ha guardado, pero el archivo de puntuaciones es demasiado grande para leerlo, así que la próxima vez no estará en la tabla.

Archivo: %1
Motivo: %2</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>There is not enough memory to sort or search the score table, so it stays as it was.</source>
        <translation>No hay memoria suficiente para ordenar o buscar en la tabla de puntuaciones, así que se queda como estaba.</translation>
    </message>
    <message>
        <source>Scores not read</source>
        <translation>Puntuaciones no leídas</translation>
    </message>
    <message>
        <source>Score not shown</source>
        <translation>Puntuación no mostrada</translation>
    </message>
    <message>
        <source>There is not enough memory to show your score in the table.</source>
        <translation>No hay memoria suficiente para mostrar tu puntuación en la tabla.</translation>
    </message>
    <message>
        <source>Score not saved</source>
        <translation>Puntuación no guardada</translation>
    </message>
    <message>
        <source>Score not read back</source>
        <translation>Puntuación no releída</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>ABOUT</source>
        <translation>ACERCA DE</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Cómo jugar</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Mov.</translation>
    </message>
    <message>
        <source>Tile, row 1, column 1</source>
        <translation>Ficha, fila 1, columna 1</translation>
    </message>
    <message>
        <source>Tile, row 1, column 2</source>
        <translation>Ficha, fila 1, columna 2</translation>
    </message>
    <message>
        <source>Tile, row 1, column 3</source>
        <translation>Ficha, fila 1, columna 3</translation>
    </message>
    <message>
        <source>Tile, row 2, column 1</source>
        <translation>Ficha, fila 2, columna 1</translation>
    </message>
    <message>
        <source>Tile, row 2, column 2</source>
        <translation>Ficha, fila 2, columna 2</translation>
    </message>
    <message>
        <source>Tile, row 2, column 3</source>
        <translation>Ficha, fila 2, columna 3</translation>
    </message>
    <message>
        <source>Tile, row 3, column 1</source>
        <translation>Ficha, fila 3, columna 1</translation>
    </message>
    <message>
        <source>Tile, row 3, column 2</source>
        <translation>Ficha, fila 3, columna 2</translation>
    </message>
    <message>
        <source>Tile, row 3, column 3</source>
        <translation>Ficha, fila 3, columna 3</translation>
    </message>
    <message>
        <source>Top row sum</source>
        <translation>Suma fila de arriba</translation>
    </message>
    <message>
        <source>Middle row sum</source>
        <translation>Suma fila del medio</translation>
    </message>
    <message>
        <source>Bottom row sum</source>
        <translation>Suma fila de abajo</translation>
    </message>
    <message>
        <source>Right column sum</source>
        <translation>Suma columna derecha</translation>
    </message>
    <message>
        <source>Middle column sum</source>
        <translation>Suma columna central</translation>
    </message>
    <message>
        <source>Left column sum</source>
        <translation>Suma columna izquierda</translation>
    </message>
    <message>
        <source>Rising diagonal sum</source>
        <translation>Suma diagonal ascendente</translation>
    </message>
    <message>
        <source>Falling diagonal sum</source>
        <translation>Suma diagonal descendente</translation>
    </message>
    <message>
        <source>Right column target</source>
        <translation>Objetivo columna derecha</translation>
    </message>
    <message>
        <source>Middle column target</source>
        <translation>Objetivo columna central</translation>
    </message>
    <message>
        <source>Left column target</source>
        <translation>Objetivo columna izquierda</translation>
    </message>
    <message>
        <source>Falling diagonal target</source>
        <translation>Objetivo diagonal descendente</translation>
    </message>
    <message>
        <source>Top row target</source>
        <translation>Objetivo fila de arriba</translation>
    </message>
    <message>
        <source>Middle row target</source>
        <translation>Objetivo fila del medio</translation>
    </message>
    <message>
        <source>Bottom row target</source>
        <translation>Objetivo fila de abajo</translation>
    </message>
    <message>
        <source>Rising diagonal target</source>
        <translation>Objetivo diagonal ascendente</translation>
    </message>
    <message>
        <source>Number of Steps:</source>
        <translation>Movimientos:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Score table</source>
        <translation>Tabla de puntuaciones</translation>
    </message>
    <message>
        <source>Enter Score</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>LISTO</translation>
    </message>
    <message>
        <source>Keys: Space picks and swaps, the arrows move, S reads all sums, Ctrl+1 and Ctrl+2 sort, Delete removes.</source>
        <translation>Teclas: Espacio elige e intercambia, las flechas mueven, S lee todas las sumas, Ctrl+1 y Ctrl+2 ordenan, Supr elimina.</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters, so that each score stays one line of the score file. That would have made it %2 characters long, so it was not taken: the name is as it was.</source>
        <translation>Un nombre puede tener como mucho %1 caracteres, para que cada puntuación sea una línea del archivo de puntuaciones. Habría tenido %2 caracteres, así que no se aceptó: el nombre sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Each blue tile has a number (1 ... 9) associated with it, The blue numbers off to the sides give the value of the rows, columns and diagonals of the hidden numbers as currently arranged. The purpose of the puzzle is to rearrange the  blue tiles (and the hidden numbers associated with them) so that the new blue numbers match the red numbers.</source>
        <translation>Cada ficha azul lleva un número oculto del 1 al 9. Los números azules de los lados son las sumas de las filas, columnas y diagonales tal como están ahora. El objetivo es recolocar las fichas azules (y con ellas sus números ocultos) hasta que los números azules coincidan con los rojos.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>The game&apos;s grid with its sums</source>
        <translation>El tablero del juego con sus sumas</translation>
    </message>
    <message>
        <source>The solved order: 1 2 3, 4 5 6, 7 8 9</source>
        <translation>El orden resuelto: 1 2 3, 4 5 6, 7 8 9</translation>
    </message>
    <message>
        <source>This corresponds to a final arrangement of the blue tiles so that there hidden numbers are in the order shown on the right. The opening puzzle can be done in as little as  6 steps. All puzzles can be done in 8 steps or less.</source>
        <translation>Entonces los números ocultos de las fichas azules quedan en el orden que se ve a la derecha. El primer rompecabezas se resuelve en solo 6 movimientos, y cualquiera en 8 o menos.</translation>
    </message>
    <message>
        <source>To move the tiles, click on the one you want to move and then click on where you want it. (This interchanges the two tiles.)</source>
        <translation>Haz clic en la ficha que quieras mover y luego en el lugar de destino. (Las dos fichas se intercambian.)</translation>
    </message>
    <message>
        <source>A score table with the headings Name and Score</source>
        <translation>Una tabla de puntuaciones con las columnas Nombre y Movimientos</translation>
    </message>
    <message>
        <source>NOTE: Clicking &quot;Name&quot; in the table header will arrange the table in alphabetical order. Clicking &quot;Score&quot; in the header will arrange the table in numerical order. Clicking again will reverse the order.</source>
        <translation>NOTA: al hacer clic en «Nombre» en la cabecera, la tabla se ordena alfabéticamente; en «Mov.», por número de movimientos. Otro clic invierte el orden.</translation>
    </message>
    <message>
        <source>Return or Escape goes back.</source>
        <translation>Intro o Escape vuelve.</translation>
    </message>
    <message>
        <source>(1 to 9)</source>
        <translation>(1 a 9)</translation>
    </message>
</context>
</TS>
