<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>A hidden-number puzzle, made with Qt.</source>
        <translation>Un casse-tête de nombres, fait avec Qt.</translation>
    </message>
    <message>
        <source>Escape closes it.</source>
        <translation>Échap la ferme.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Swap tiles with hidden numbers until the sums match.</source>
        <translation>Échangez des tuiles aux nombres cachés jusqu’à ce que les sommes concordent.</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>the name of the data folder, %1, is not valid UTF-8</source>
        <translation>le nom du dossier de données, %1, n’est pas de l’UTF-8 valide</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Sum Puzzle</source>
        <translation>Casse-tête de sommes</translation>
    </message>
    <message>
        <source>Swap tiles with hidden numbers until every row, column and diagonal adds up</source>
        <translation>Échangez des tuiles aux nombres cachés jusqu’à ce que chaque ligne, colonne et diagonale donne la bonne somme</translation>
    </message>
    <message>
        <source>puzzle;sums;tiles;numbers;logic;</source>
        <translation>casse-tête;sommes;tuiles;nombres;logique;</translation>
    </message>
    <message>
        <source>Swap tiles with hidden numbers until the sums match</source>
        <translation>Échangez des tuiles aux nombres cachés jusqu’à ce que les sommes concordent</translation>
    </message>
    <message>
        <source>Nine blue tiles each hide a number from 1 to 9. Blue numbers around the grid show the sums of the rows, columns and diagonals as the tiles lie; red numbers show the sums to reach. Swap two tiles with two clicks, and find the one arrangement that matches every sum in as few steps as you can.</source>
        <translation>Neuf tuiles bleues cachent chacune un nombre de 1 à 9. Les nombres bleus autour de la grille donnent les sommes des lignes, des colonnes et des diagonales telles que les tuiles sont posées ; les nombres rouges donnent les sommes à atteindre. Échangez deux tuiles en deux clics et trouvez, en aussi peu de coups que possible, la seule disposition où toutes les sommes concordent.</translation>
    </message>
    <message>
        <source>A score table keeps your name and number of steps for every solved puzzle.</source>
        <translation>Un tableau des scores garde votre nom et votre nombre de coups pour chaque puzzle résolu.</translation>
    </message>
    <message>
        <source>The main window after three moves</source>
        <translation>La fenêtre principale après trois coups</translation>
    </message>
    <message>
        <source>The solved board under a dark palette with a larger font</source>
        <translation>Le plateau résolu avec une palette sombre et une police plus grande</translation>
    </message>
</context>
<context>
    <name>InstructionPictures</name>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>hidden numbers</source>
        <translation>nombres cachés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Ann</source>
        <extracomment>Sample names in the picture of a score table: any five short names will do</extracomment>
        <translation>Anne</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Bruno</translation>
    </message>
    <message>
        <source>Cleo</source>
        <translation>Chloé</translation>
    </message>
    <message>
        <source>Dev</source>
        <translation>Denis</translation>
    </message>
    <message>
        <source>Eve</source>
        <translation>Ève</translation>
    </message>
</context>
<context>
    <name>Line</name>
    <message>
        <source>top row</source>
        <translation>ligne du haut</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>ligne du milieu</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>ligne du bas</translation>
    </message>
    <message>
        <source>right column</source>
        <translation>colonne de droite</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation>colonne du milieu</translation>
    </message>
    <message>
        <source>left column</source>
        <translation>colonne de gauche</translation>
    </message>
    <message>
        <source>rising diagonal</source>
        <translation>diagonale montante</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>diagonale descendante</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A line&apos;s name, its sum as it stands and the sum it asks for: &quot;top row 13 of 6&quot;</extracomment>
        <translation>%1 %2 sur %3</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Sorts the table by this column; again reverses the order</source>
        <translation>Trie le tableau selon cette colonne ; une seconde fois inverse l’ordre</translation>
    </message>
    <message>
        <source>The table is empty.</source>
        <translation>Le tableau est vide.</translation>
    </message>
    <message>
        <source>Last row.</source>
        <translation>Dernière ligne.</translation>
    </message>
    <message>
        <source>First row.</source>
        <translation>Première ligne.</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>%1 menu</source>
        <translation>menu %1</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About Corvanthelix</source>
        <translation>À propos de Corvanthelix</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
</context>
<context>
    <name>Narrator</name>
    <message>
        <source>Picked row %1, column %2.</source>
        <translation>Choisie : ligne %1, colonne %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n steps.</source>
        <translation>
            <numerusform>%n coup.</numerusform>
            <numerusform>%n coups.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of 8 lines match.</source>
        <translation>
            <numerusform>%n ligne juste sur 8.</numerusform>
            <numerusform>%n lignes justes sur 8.</numerusform>
        </translation>
    </message>
    <message>
        <source>Picked.</source>
        <translation>Choisie.</translation>
    </message>
    <message numerus="yes">
        <source>Solved in %n steps.</source>
        <translation>
            <numerusform>Résolu en %n coup.</numerusform>
            <numerusform>Résolu en %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>New Game can be pressed again.</source>
        <translation>Mélanger est de nouveau disponible.</translation>
    </message>
    <message>
        <source>New board dealt. New Game comes back once it is solved.</source>
        <translation>Nouvelle grille distribuée. Mélanger revient une fois la grille résolue.</translation>
    </message>
    <message numerus="yes">
        <source>Score entered: %1 with %n steps.</source>
        <translation>
            <numerusform>Score inscrit : %1 en %n coup.</numerusform>
            <numerusform>Score inscrit : %1 en %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>Now at %1.</source>
        <translation>Maintenant sur %1.</translation>
    </message>
    <message>
        <source>The table is empty.</source>
        <translation>Le tableau est vide.</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending.</source>
        <translation>Trié par %1, croissant.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending.</source>
        <translation>Trié par %1, décroissant.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 supprimé.</translation>
    </message>
    <message>
        <source>Swapped row %1, column %2 with itself.</source>
        <extracomment>The step it counts is told at the next tick, with the lines.</extracomment>
        <translation>Ligne %1, colonne %2 échangée avec elle-même.</translation>
    </message>
</context>
<context>
    <name>ScoreFile</name>
    <message>
        <source>the file is %1, more than the %2 this game reads</source>
        <translation>le fichier fait %1, plus que les %2 que le jeu lit</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>la mémoire ne suffit pas pour le lire</translation>
    </message>
    <message>
        <source>the user&apos;s data folder could not be found</source>
        <translation>le dossier de données de l’utilisateur est introuvable</translation>
    </message>
    <message>
        <source>Your score could not be saved.

It is in the table until you quit, but it will not be there next time.

File: %1
Reason: %2</source>
        <translation>Votre score n’a pas pu être enregistré.

Il reste dans le tableau jusqu’à ce que vous quittiez, mais il n’y sera plus la prochaine fois.

Fichier : %1
Raison : %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Your scores could not be read, so the table starts empty.

The file is left as it is.

File: %1
Reason: %2</source>
        <translation>Vos scores n’ont pas pu être lus ; le tableau commence donc vide.

Le fichier reste tel quel.

Fichier : %1
Raison : %2</translation>
    </message>
    <message>
        <source>Your score was saved, but the score file is too large to be read, so the table will start without it next time.

File: %1
Reason: %2</source>
        <translation>Votre score a été enregistré, mais le fichier des scores est trop grand pour être lu ; il ne sera plus dans le tableau la prochaine fois.

Fichier : %1
Raison : %2</translation>
    </message>
</context>
<context>
    <name>ScoreKeeper</name>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>There is not enough memory to sort or search the score table, so it stays as it was.</source>
        <translation>Il n’y a pas assez de mémoire pour trier ou parcourir le tableau des scores ; il reste donc tel quel.</translation>
    </message>
    <message>
        <source>Scores not read</source>
        <translation>Scores non lus</translation>
    </message>
    <message>
        <source>Score not shown</source>
        <translation>Score non affiché</translation>
    </message>
    <message>
        <source>There is not enough memory to show your score in the table.</source>
        <translation>Il n’y a pas assez de mémoire pour afficher votre score dans le tableau.</translation>
    </message>
    <message>
        <source>Score not saved</source>
        <translation>Score non enregistré</translation>
    </message>
    <message>
        <source>Score not read back</source>
        <translation>Score non relu</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>ABOUT</source>
        <translation>À PROPOS</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles du jeu</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Tile, row 1, column 1</source>
        <translation>Tuile, ligne 1, colonne 1</translation>
    </message>
    <message>
        <source>Tile, row 1, column 2</source>
        <translation>Tuile, ligne 1, colonne 2</translation>
    </message>
    <message>
        <source>Tile, row 1, column 3</source>
        <translation>Tuile, ligne 1, colonne 3</translation>
    </message>
    <message>
        <source>Tile, row 2, column 1</source>
        <translation>Tuile, ligne 2, colonne 1</translation>
    </message>
    <message>
        <source>Tile, row 2, column 2</source>
        <translation>Tuile, ligne 2, colonne 2</translation>
    </message>
    <message>
        <source>Tile, row 2, column 3</source>
        <translation>Tuile, ligne 2, colonne 3</translation>
    </message>
    <message>
        <source>Tile, row 3, column 1</source>
        <translation>Tuile, ligne 3, colonne 1</translation>
    </message>
    <message>
        <source>Tile, row 3, column 2</source>
        <translation>Tuile, ligne 3, colonne 2</translation>
    </message>
    <message>
        <source>Tile, row 3, column 3</source>
        <translation>Tuile, ligne 3, colonne 3</translation>
    </message>
    <message>
        <source>Top row sum</source>
        <translation>Somme ligne du haut</translation>
    </message>
    <message>
        <source>Middle row sum</source>
        <translation>Somme ligne du milieu</translation>
    </message>
    <message>
        <source>Bottom row sum</source>
        <translation>Somme ligne du bas</translation>
    </message>
    <message>
        <source>Right column sum</source>
        <translation>Somme colonne de droite</translation>
    </message>
    <message>
        <source>Middle column sum</source>
        <translation>Somme colonne du milieu</translation>
    </message>
    <message>
        <source>Left column sum</source>
        <translation>Somme colonne de gauche</translation>
    </message>
    <message>
        <source>Rising diagonal sum</source>
        <translation>Somme diagonale montante</translation>
    </message>
    <message>
        <source>Falling diagonal sum</source>
        <translation>Somme diagonale descendante</translation>
    </message>
    <message>
        <source>Right column target</source>
        <translation>Cible colonne de droite</translation>
    </message>
    <message>
        <source>Middle column target</source>
        <translation>Cible colonne du milieu</translation>
    </message>
    <message>
        <source>Left column target</source>
        <translation>Cible colonne de gauche</translation>
    </message>
    <message>
        <source>Falling diagonal target</source>
        <translation>Cible diagonale descendante</translation>
    </message>
    <message>
        <source>Top row target</source>
        <translation>Cible ligne du haut</translation>
    </message>
    <message>
        <source>Middle row target</source>
        <translation>Cible ligne du milieu</translation>
    </message>
    <message>
        <source>Bottom row target</source>
        <translation>Cible ligne du bas</translation>
    </message>
    <message>
        <source>Rising diagonal target</source>
        <translation>Cible diagonale montante</translation>
    </message>
    <message>
        <source>Number of Steps:</source>
        <translation>Nombre de coups&#x202f;:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Score table</source>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>Enter Score</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#x202f;:</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FINI</translation>
    </message>
    <message>
        <source>Keys: Space picks and swaps, the arrows move, S reads all sums, Ctrl+1 and Ctrl+2 sort, Delete removes.</source>
        <translation>Touches : Espace choisit et échange, les flèches déplacent, S lit toutes les sommes, Ctrl+1 et Ctrl+2 trient, Suppr supprime.</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters, so that each score stays one line of the score file. That would have made it %2 characters long, so it was not taken: the name is as it was.</source>
        <translation>Un nom peut avoir au plus %1 caractères, pour que chaque score reste une ligne du fichier des scores. Il en aurait compté %2, donc cela n’a pas été pris : le nom est resté tel quel.</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Each blue tile has a number (1 ... 9) associated with it, The blue numbers off to the sides give the value of the rows, columns and diagonals of the hidden numbers as currently arranged. The purpose of the puzzle is to rearrange the  blue tiles (and the hidden numbers associated with them) so that the new blue numbers match the red numbers.</source>
        <translation>Chaque tuile bleue porte un nombre caché de 1 à 9. Les nombres bleus sur les côtés donnent la somme des lignes, des colonnes et des diagonales telles qu’elles sont disposées. Le but du jeu est de déplacer les tuiles bleues (et leurs nombres cachés) pour que les nombres bleus égalent les rouges.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>The game&apos;s grid with its sums</source>
        <translation>La grille du jeu et ses sommes</translation>
    </message>
    <message>
        <source>The solved order: 1 2 3, 4 5 6, 7 8 9</source>
        <translation>L’ordre résolu : 1 2 3, 4 5 6, 7 8 9</translation>
    </message>
    <message>
        <source>This corresponds to a final arrangement of the blue tiles so that there hidden numbers are in the order shown on the right. The opening puzzle can be done in as little as  6 steps. All puzzles can be done in 8 steps or less.</source>
        <translation>Les nombres cachés des tuiles bleues sont alors dans l’ordre montré à droite. Le premier puzzle se résout en 6 coups seulement ; tous se résolvent en 8 coups au plus.</translation>
    </message>
    <message>
        <source>To move the tiles, click on the one you want to move and then click on where you want it. (This interchanges the two tiles.)</source>
        <translation>Cliquez sur la tuile à déplacer, puis sur l’endroit voulu. (Les deux tuiles échangent leurs places.)</translation>
    </message>
    <message>
        <source>A score table with the headings Name and Score</source>
        <translation>Un tableau des scores avec les colonnes Nom et Score</translation>
    </message>
    <message>
        <source>NOTE: Clicking &quot;Name&quot; in the table header will arrange the table in alphabetical order. Clicking &quot;Score&quot; in the header will arrange the table in numerical order. Clicking again will reverse the order.</source>
        <translation>REMARQUE : un clic sur « Nom » en tête du tableau le trie par ordre alphabétique, un clic sur « Score » par ordre numérique. Un second clic inverse l’ordre.</translation>
    </message>
    <message>
        <source>Return or Escape goes back.</source>
        <translation>Entrée ou Échap revient au jeu.</translation>
    </message>
    <message>
        <source>(1 to 9)</source>
        <translation>(1 à 9)</translation>
    </message>
</context>
</TS>
