<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Texts</name>
    <message>
        <source>You must colour in ALL of the sides</source>
        <translation>Vous devez colorier TOUTES les faces</translation>
    </message>
    <message>
        <source>The six centres must be different colours</source>
        <translation>Les six centres doivent être de couleurs différentes</translation>
    </message>
    <message>
        <source>There must be nine %1 pieces</source>
        <translation>La couleur %1 doit apparaître exactement neuf fois</translation>
    </message>
    <message>
        <source>There should be no %1 and %2 piece.</source>
        <translation>Il ne peut pas exister de pièce aux couleurs %1 et %2.</translation>
    </message>
    <message>
        <source>There should be no %1, %2 and %3 piece.</source>
        <translation>Il ne peut pas exister de pièce aux couleurs %1, %2 et %3.</translation>
    </message>
    <message>
        <source>The colours on the %1, %2 and %3 piece are in the wrong order.</source>
        <translation>Les couleurs de la pièce %1, %2 et %3 sont dans le mauvais ordre.</translation>
    </message>
    <message>
        <source>You have no %1 and %2 piece.</source>
        <translation>Votre cube n&apos;a pas de pièce aux couleurs %1 et %2.</translation>
    </message>
    <message>
        <source>You have no %1, %2 and %3 piece.</source>
        <translation>Votre cube n&apos;a pas de pièce aux couleurs %1, %2 et %3.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>front row</source>
        <translation>rangée avant</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>rangée du milieu</translation>
    </message>
    <message>
        <source>back row</source>
        <translation>rangée arrière</translation>
    </message>
    <message>
        <source>Top face, %1, %2</source>
        <translation>Face du dessus, %1, %2</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>rangée du haut</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>rangée du bas</translation>
    </message>
    <message>
        <source>Left front face, %1, %2</source>
        <translation>Face avant gauche, %1, %2</translation>
    </message>
    <message>
        <source>Right front face, %1, %2</source>
        <translation>Face avant droite, %1, %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paint your own scrambled cube, and watch it solved move by move.</source>
        <translation>Peignez votre propre cube mélangé et regardez-le se résoudre coup par coup.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::Colours</name>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ColoursForm</name>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Suivant --&gt;</translation>
    </message>
    <message>
        <source>Your cube has 6 different colours on it.</source>
        <translation>Votre cube porte 6 couleurs différentes.</translation>
    </message>
    <message>
        <source>Select these six colours, and then click on Next</source>
        <translation>Sélectionnez ces six couleurs, puis cliquez sur Suivant</translation>
    </message>
    <message>
        <source>Warning: You appear to be running in low colour mode.</source>
        <translation>Attention&#xa0;: votre écran semble n&apos;afficher que peu de couleurs.</translation>
    </message>
    <message>
        <source>You should increase the number of colours displayed in the display settings of your desktop.</source>
        <translation>Augmentez le nombre de couleurs affichées dans les paramètres d&apos;affichage de votre bureau.</translation>
    </message>
    <message>
        <source>Proceed with Rotalo anyway?</source>
        <translation>Continuer quand même avec Rotalo&#xa0;?</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::HandbookWindow</name>
    <message>
        <source>Rotalo Handbook</source>
        <translation>Manuel de Rotalo</translation>
    </message>
    <message>
        <source>A solved cube</source>
        <translation>Un cube résolu</translation>
    </message>
    <message>
        <source>Rotalo solves your own scrambled cube. You paint its stickers onto a drawing, Rotalo checks the painting, works out a solution layer by layer and shows it to you move by move, so that you can follow along on your real cube.</source>
        <translation>Rotalo résout votre propre cube mélangé. Vous peignez ses autocollants sur un dessin&#xa0;; Rotalo vérifie la peinture, calcule une solution couche par couche et vous la montre coup par coup, pour que vous puissiez la suivre sur votre vrai cube.</translation>
    </message>
    <message>
        <source>Choosing the colours</source>
        <translation>Choisir les couleurs</translation>
    </message>
    <message>
        <source>Tick the six colours your cube has, then press &quot;Next --&gt;&quot;. Rotalo remembers them for the next time.</source>
        <translation>Cochez les six couleurs de votre cube, puis appuyez sur «&#xa0;Suivant --&gt;&#xa0;». Rotalo les retient pour la prochaine fois.</translation>
    </message>
    <message>
        <source>Painting your cube</source>
        <translation>Peindre votre cube</translation>
    </message>
    <message>
        <source>Hold your cube so that the face you see on top of the drawing is on top, and the two faces in front of you are the two front faces of the drawing.</source>
        <translation>Tenez votre cube de sorte que la face que vous voyez en haut du dessin soit en haut, et que les deux faces devant vous soient les deux faces avant du dessin.</translation>
    </message>
    <message>
        <source>Choose a colour in the Paint Box and click on a sticker to paint it; right-click clears it. Click on an arrow head around the cube to turn the whole drawing, and your cube with it, to reach the hidden faces.</source>
        <translation>Choisissez une couleur dans la Palette et cliquez sur un autocollant pour le peindre&#xa0;; un clic droit l&apos;efface. Cliquez sur une pointe de flèche autour du cube pour tourner tout le dessin, et votre cube avec lui, afin d&apos;atteindre les faces cachées.</translation>
    </message>
    <message>
        <source>Without a mouse: Tab takes you to the drawing, the arrow keys move the cursor from sticker to sticker, keys 1 to 6 paint with the colours of the Paint Box, Space paints with the chosen colour, Delete clears, and X, Y and Z (with Shift the other way) turn the whole cube.</source>
        <translation>Sans souris&#xa0;: Tab vous amène au dessin, les touches fléchées déplacent le curseur d&apos;un autocollant à l&apos;autre, les touches 1 à 6 peignent avec les couleurs de la Palette, Espace peint avec la couleur choisie, Suppr efface, et X, Y et Z (avec Maj dans l&apos;autre sens) tournent tout le cube.</translation>
    </message>
    <message>
        <source>Options &gt; Quick Fill paints a solved cube and Options &gt; Jumble scrambles it. Cube &gt; Undo and Redo take back and repeat every step of painting; Cube &gt; New Cube starts again.</source>
        <translation>Options &gt; Remplissage rapide peint un cube résolu et Options &gt; Mélanger le mélange. Cube &gt; Annuler et Rétablir annulent et refont chaque étape de la peinture&#xa0;; Cube &gt; Nouveau cube recommence à zéro.</translation>
    </message>
    <message>
        <source>A scrambled cube</source>
        <translation>Un cube mélangé</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Press &quot;Solve&quot; when all six faces are painted. If the painting cannot be a real cube, Rotalo says what is wrong: a colour that does not appear nine times, or a piece that no cube has.</source>
        <translation>Appuyez sur «&#xa0;Résoudre&#xa0;» quand les six faces sont peintes. Si la peinture ne peut pas être celle d&apos;un vrai cube, Rotalo indique ce qui ne va pas&#xa0;: une couleur qui n&apos;apparaît pas neuf fois, ou une pièce qu&apos;aucun cube ne possède.</translation>
    </message>
    <message>
        <source>Repairing a cube that was put back wrongly</source>
        <translation>Réparer un cube mal remonté</translation>
    </message>
    <message>
        <source>A cube that was once taken apart and put back together wrongly cannot be solved by turning its sides. Rotalo then shows you, picture by picture, which piece to take out and how to put it back. Press &quot;Next --&gt;&quot; after each step.</source>
        <translation>Un cube qui a été démonté puis mal remonté ne peut pas être résolu en tournant ses faces. Rotalo vous montre alors, image par image, quelle pièce retirer et comment la remettre. Appuyez sur «&#xa0;Suivant --&gt;&#xa0;» après chaque étape.</translation>
    </message>
    <message>
        <source>Following the solution</source>
        <translation>Suivre la solution</translation>
    </message>
    <message>
        <source>Press &quot;Go !&quot; and turn your cube as the drawing turns. &quot;Pause&quot; stops the playback and &quot;Back&quot; takes a move back while it is paused. The Animation menu sets how smoothly the sides turn and how long Rotalo waits between moves; with Step by Step it waits for you to press &quot;Next Move&quot; or Space after every move.</source>
        <translation>Appuyez sur «&#xa0;C&apos;est parti&#xa0;!&#xa0;» et tournez votre cube comme tourne le dessin. «&#xa0;Pause&#xa0;» interrompt la lecture et «&#xa0;Retour&#xa0;» revient d&apos;un coup en arrière pendant la pause. Le menu Animation règle la fluidité avec laquelle les faces tournent et le temps que Rotalo attend entre les coups&#xa0;; avec Pas à pas, il attend après chaque coup que vous appuyiez sur «&#xa0;Coup suivant&#xa0;» ou sur Espace.</translation>
    </message>
    <message>
        <source>Options &gt; Fewest Moves looks for a much shorter solution, which is harder to follow.</source>
        <translation>Options &gt; Nombre minimal de coups cherche une solution bien plus courte, mais plus difficile à suivre.</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>When your cube is solved, the Patterns menu puts a pattern on it; choose the same entry again to take it off.</source>
        <translation>Quand votre cube est résolu, le menu Motifs y dessine un motif&#xa0;; choisissez à nouveau la même entrée pour l&apos;enlever.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New cube</source>
        <translation>Nouveau cube</translation>
    </message>
    <message>
        <source>Undo and redo a step of painting</source>
        <translation>Annuler et rétablir une étape de la peinture</translation>
    </message>
    <message>
        <source>X, Y, Z</source>
        <translation>X, Y, Z</translation>
    </message>
    <message>
        <source>Turn the whole cube</source>
        <translation>Tourner tout le cube</translation>
    </message>
    <message>
        <source>Alt+G, Alt+U, Alt+B</source>
        <translation>Alt+G, Alt+U, Alt+B</translation>
    </message>
    <message>
        <source>Go, Pause or Resume, Back</source>
        <translation>C&apos;est parti, Pause ou Reprendre, Retour</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This handbook</source>
        <translation>Ce manuel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Paint your own scrambled cube, and watch it solved move by move.&lt;/p&gt;&lt;p&gt;Rotalo is free software under the GNU General Public License, version 3 or any later version.&lt;/p&gt;&lt;p&gt;Built with Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Peignez votre propre cube mélangé et regardez-le se résoudre coup par coup.&lt;/p&gt;&lt;p&gt;Rotalo est un logiciel libre distribué sous la licence GNU General Public License, version 3 ou toute version ultérieure.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Z&#xa0;; Ctrl+Maj+Z ou Ctrl+Y</translation>
    </message>
    <message>
        <source>Arrow keys; 1 to 6, Space; Delete, Backspace or 0</source>
        <translation>Touches fléchées&#xa0;; 1 à 6, Espace&#xa0;; Suppr, Retour arrière ou 0</translation>
    </message>
    <message>
        <source>Move the cursor; paint; clear</source>
        <translation>Déplacer le curseur&#xa0;; peindre&#xa0;; effacer</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::PictureBox</name>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Drawing of the cube: the top face and the two front faces</source>
        <translation>Dessin du cube&#xa0;: la face du dessus et les deux faces avant</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ScanWindow</name>
    <message>
        <source>Scan Cube</source>
        <translation>Scanner le cube</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp);;All files (*)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.webp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Camera picture</source>
        <translation>Image de la caméra</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Caméra</translation>
    </message>
    <message>
        <source>Photos read</source>
        <translation>Photos lues</translation>
    </message>
    <message>
        <source>&amp;Add Photos...</source>
        <translation>&amp;Ajouter des photos...</translation>
    </message>
    <message>
        <source>&amp;Photos</source>
        <translation>&amp;Photos</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>&amp;Utiliser ce cube</translation>
    </message>
    <message>
        <source>Start A&amp;gain</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Pas de caméra</translation>
    </message>
    <message>
        <source>%1 is not a picture Rotalo can read.</source>
        <translation>%1 n’est pas une image que Rotalo sait lire.</translation>
    </message>
    <message>
        <source>No cube face was found in %1.</source>
        <translation>Aucune face de cube n’a été trouvée dans %1.</translation>
    </message>
    <message>
        <source>Six faces have been read already: start again to read others.</source>
        <translation>Six faces ont déjà été lues : recommencez pour en lire d’autres.</translation>
    </message>
    <message>
        <source>Read the six faces of your cube, from the camera or from photos, in any order and any way up.</source>
        <translation>Lisez les six faces de votre cube avec la caméra ou à partir de photos, dans n’importe quel ordre et dans n’importe quel sens.</translation>
    </message>
    <message numerus="yes">
        <source>%n of 6 faces read.</source>
        <translation>
            <numerusform>%n face sur 6 lue.</numerusform>
            <numerusform>%n faces sur 6 lues.</numerusform>
        </translation>
    </message>
    <message>
        <source>All 54 stickers read.</source>
        <translation>Les 54 autocollants ont été lus.</translation>
    </message>
    <message numerus="yes">
        <source>%n stickers could not be read for sure: they are left for you to paint.</source>
        <translation>
            <numerusform>%n autocollant n’a pas pu être lu avec certitude : c’est à vous de le peindre.</numerusform>
            <numerusform>%n autocollants n’ont pas pu être lus avec certitude : c’est à vous de les peindre.</numerusform>
        </translation>
    </message>
    <message>
        <source>The faces fit more than one cube: the stickers where they differ are left for you to paint.</source>
        <translation>Les faces correspondent à plus d’un cube : c’est à vous de peindre les autocollants qui diffèrent.</translation>
    </message>
    <message>
        <source>Face %1 read</source>
        <translation>Face %1 lue</translation>
    </message>
    <message>
        <source>No camera was found. You can read the cube from photos instead.</source>
        <translation>Aucune caméra n’a été trouvée. Vous pouvez lire le cube à partir de photos.</translation>
    </message>
    <message>
        <source>Hold a face of your cube in front of the camera and keep it still until it is taken.</source>
        <translation>Présentez une face de votre cube à la caméra et tenez-la immobile jusqu’à ce qu’elle soit prise.</translation>
    </message>
    <message numerus="yes">
        <source>%n of 6 faces taken. Now show the next face, any way up.</source>
        <translation>
            <numerusform>%n face sur 6 prise. Montrez maintenant la face suivante, dans n’importe quel sens.</numerusform>
            <numerusform>%n faces sur 6 prises. Montrez maintenant la face suivante, dans n’importe quel sens.</numerusform>
        </translation>
    </message>
    <message>
        <source>All six faces are taken.</source>
        <translation>Les six faces sont prises.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::SolveForm</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Paint Box</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Tourner</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Suivant --&gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>Apply the drawing size</source>
        <translation>Appliquer la taille du dessin</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>W</source>
        <translation>L</translation>
    </message>
    <message>
        <source>SH</source>
        <translation>EH</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Scale height</source>
        <translation>Échelle en hauteur</translation>
    </message>
    <message>
        <source>Scale width</source>
        <translation>Échelle en largeur</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimation</translation>
    </message>
    <message>
        <source>&amp;Detail</source>
        <translation>&amp;Fluidité</translation>
    </message>
    <message>
        <source>&amp;2 Frames</source>
        <translation>&amp;2 images</translation>
    </message>
    <message>
        <source>&amp;4 Frames</source>
        <translation>&amp;4 images</translation>
    </message>
    <message>
        <source>&amp;6 Frames</source>
        <translation>&amp;6 images</translation>
    </message>
    <message>
        <source>&amp;8 Frames</source>
        <translation>&amp;8 images</translation>
    </message>
    <message>
        <source>1&amp;0 Frames</source>
        <translation>1&amp;0 images</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucune</translation>
    </message>
    <message>
        <source>&amp;1 Second</source>
        <translation>&amp;1 seconde</translation>
    </message>
    <message>
        <source>&amp;2 Seconds</source>
        <translation>&amp;2 secondes</translation>
    </message>
    <message>
        <source>&amp;3 Seconds</source>
        <translation>&amp;3 secondes</translation>
    </message>
    <message>
        <source>&amp;4 Seconds</source>
        <translation>&amp;4 secondes</translation>
    </message>
    <message>
        <source>&amp;5 Seconds</source>
        <translation>&amp;5 secondes</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Pas à pas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Quick Fill</source>
        <translation>&amp;Remplissage rapide</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;Rotate Button</source>
        <translation>Bouton &amp;Tourner</translation>
    </message>
    <message>
        <source>See &amp;Solution</source>
        <translation>&amp;Voir la solution</translation>
    </message>
    <message>
        <source>&amp;Granularity</source>
        <translation>&amp;Granularité</translation>
    </message>
    <message>
        <source>&amp;Twips</source>
        <translation>T&amp;wips</translation>
    </message>
    <message>
        <source>&amp;Fewest Moves</source>
        <translation>&amp;Nombre minimal de coups</translation>
    </message>
    <message>
        <source>See Solution in Standard &amp;Notation</source>
        <translation>Voir la solution en notation &amp;standard</translation>
    </message>
    <message>
        <source>&amp;Copy Cube as Text</source>
        <translation>&amp;Copier le cube en texte</translation>
    </message>
    <message>
        <source>&amp;Enter Cube as Text...</source>
        <translation>&amp;Entrer le cube en texte...</translation>
    </message>
    <message>
        <source>&amp;Patterns</source>
        <translation>&amp;Motifs</translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation>&amp;Damier</translation>
    </message>
    <message>
        <source>C&amp;entres</source>
        <translation>&amp;Centres</translation>
    </message>
    <message>
        <source>&amp;HI</source>
        <translation>&amp;HI</translation>
    </message>
    <message>
        <source>&amp;Diagonal Lines</source>
        <translation>&amp;Lignes diagonales</translation>
    </message>
    <message>
        <source>&amp;TTTTTT</source>
        <translation>&amp;TTTTTT</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Cube</translation>
    </message>
    <message>
        <source>&amp;New Cube</source>
        <translation>&amp;Nouveau cube</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Rotalo &amp;Handbook</source>
        <translation>&amp;Manuel de Rotalo</translation>
    </message>
    <message>
        <source>&amp;About Rotalo</source>
        <translation>À &amp;propos de Rotalo</translation>
    </message>
    <message>
        <source>About Rotalo</source>
        <translation>À propos de Rotalo</translation>
    </message>
    <message>
        <source>- Click on a brush colour from the Paint Box.</source>
        <translation>- Cliquez sur une couleur de pinceau dans la Palette.</translation>
    </message>
    <message>
        <source>- Left click on the cube to colour it in.</source>
        <translation>- Clic gauche sur le cube pour le colorier.</translation>
    </message>
    <message>
        <source>- Right click on the cube to clear a colour.</source>
        <translation>- Clic droit sur le cube pour effacer une couleur.</translation>
    </message>
    <message>
        <source>- Click on an arrow head to rotate the cube.</source>
        <translation>- Cliquez sur une pointe de flèche pour tourner le cube.</translation>
    </message>
    <message>
        <source>- Click Solve when all six sides are coloured in.</source>
        <translation>- Cliquez sur Résoudre quand les six faces sont coloriées.</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>Turn the Cube</source>
        <translation>Tourner le cube</translation>
    </message>
    <message>
        <source>not coloured</source>
        <translation>non colorié</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stop Solving</source>
        <translation>Arrêt de la résolution</translation>
    </message>
    <message>
        <source>New Cube</source>
        <translation>Nouveau cube</translation>
    </message>
    <message>
        <source>The 54 digits of the cube:</source>
        <translation>Les 54 chiffres du cube&#xa0;:</translation>
    </message>
    <message>
        <source>the stickers of facelets 1 to 48, then the six centres,</source>
        <translation>les autocollants des facettes 1 à 48, puis les six centres,</translation>
    </message>
    <message>
        <source>each the number of its colour in the Paint Box (1 to 6), or 0 for none.</source>
        <translation>chacun par le numéro de sa couleur dans la Palette (1 à 6), ou 0 s&apos;il n&apos;en a pas.</translation>
    </message>
    <message>
        <source>Enter Cube as Text</source>
        <translation>Entrer le cube en texte</translation>
    </message>
    <message>
        <source>The text has %1 characters, but a cube is exactly 54 digits.</source>
        <translation>Le texte n&apos;a pas 54 caractères mais %1&#xa0;: un cube s&apos;écrit avec exactement 54 chiffres.</translation>
    </message>
    <message>
        <source>Character %1, &quot;%2&quot;, is not a digit from 0 to 6.</source>
        <translation>Le caractère %1, «&#xa0;%2&#xa0;», n&apos;est pas un chiffre de 0 à 6.</translation>
    </message>
    <message>
        <source>Quick Fill</source>
        <translation>Remplissage rapide</translation>
    </message>
    <message>
        <source>Jumble</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>Which side?</source>
        <translation>Quelle face&#xa0;?</translation>
    </message>
    <message>
        <source>Please give the side as a number from 1 to 6.</source>
        <translation>Veuillez indiquer la face par un nombre de 1 à 6.</translation>
    </message>
    <message>
        <source>1 is the top, 6 the bottom, and 2, 3, 4, 5 the sides round the cube.</source>
        <translation>1 est le dessus, 6 le dessous, et 2, 3, 4, 5 les faces tout autour du cube.</translation>
    </message>
    <message>
        <source>Which way?</source>
        <translation>Dans quel sens&#xa0;?</translation>
    </message>
    <message>
        <source>Please give the number of quarter turns from -3 to 3, but not 0.</source>
        <translation>Veuillez indiquer le nombre de quarts de tour, de -3 à 3, sauf 0.</translation>
    </message>
    <message>
        <source>1 turns the side clockwise, -1 anticlockwise, 2 half way round.</source>
        <translation>1 tourne la face dans le sens horaire, -1 dans le sens antihoraire, 2 d&apos;un demi-tour.</translation>
    </message>
    <message>
        <source>Turn a Side</source>
        <translation>Tourner une face</translation>
    </message>
    <message>
        <source>H and W are the size of the drawing in pixels: please give numbers from 1 to %1.</source>
        <translation>H et L sont la taille du dessin en pixels&#xa0;: veuillez indiquer des nombres de 1 à %1.</translation>
    </message>
    <message>
        <source>SH and SW are the drawing units across the drawing: please give numbers from 1 to %1.</source>
        <translation>EH et EL sont les unités de dessin sur la hauteur et la largeur du dessin&#xa0;: veuillez indiquer des nombres de 1 à %1.</translation>
    </message>
    <message>
        <source>Twips: </source>
        <translation>Twips&#xa0;: </translation>
    </message>
    <message>
        <source>Actual: </source>
        <translation>Réel&#xa0;: </translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Échelle&#xa0;: </translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Calcul en cours...</translation>
    </message>
    <message>
        <source>It is impossible to solve your cube just by turning the sides.</source>
        <translation>Il est impossible de résoudre votre cube en tournant seulement les faces.</translation>
    </message>
    <message>
        <source>It has been taken apart and put back together incorrectly</source>
        <translation>Il a été démonté puis mal remonté</translation>
    </message>
    <message>
        <source>at some stage.</source>
        <translation>à un moment donné.</translation>
    </message>
    <message>
        <source>Follow the instructions on screen to fix it.</source>
        <translation>Suivez les instructions à l&apos;écran pour le réparer.</translation>
    </message>
    <message>
        <source>Twist the top face around like this.</source>
        <translation>Tournez la face du dessus comme ceci.</translation>
    </message>
    <message>
        <source>Take out the %1 and %2 piece.</source>
        <translation>Retirez la pièce aux couleurs %1 et %2.</translation>
    </message>
    <message>
        <source>anticlockwise</source>
        <translation>dans le sens antihoraire</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>dans le sens horaire</translation>
    </message>
    <message>
        <source>Take out the %1, %2 and %3 piece, turn it %4, and put it back in.</source>
        <translation>Retirez la pièce aux couleurs %1, %2 et %3, tournez-la %4 et remettez-la en place.</translation>
    </message>
    <message>
        <source>back in</source>
        <translation>en place</translation>
    </message>
    <message>
        <source>in the hole at the front</source>
        <translation>dans le trou de devant</translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece in the hole on the right, with the %1 side on top.</source>
        <translation>Placez la pièce aux couleurs %1 et %2 dans le trou de droite, côté %1 en haut.</translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece %3, with the %1 side on top.</source>
        <translation>Remettez la pièce aux couleurs %1 et %2 %3, côté %1 en haut.</translation>
    </message>
    <message>
        <source>Twist your cube back like this.</source>
        <translation>Tournez votre cube en sens inverse comme ceci.</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Coup &amp;suivant</translation>
    </message>
    <message numerus="yes">
        <source>Your cube has now been solved in %n moves.</source>
        <translation>
            <numerusform>Votre cube est maintenant résolu en %n coup.</numerusform>
            <numerusform>Votre cube est maintenant résolu en %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>You can change how fast the cube turns, and the delay between moves using the Animation menu at any time.</source>
        <translation>Vous pouvez à tout moment changer la vitesse de rotation du cube et l&apos;attente entre les coups dans le menu Animation.</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>C&apos;est parti&#xa0;!</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Résolution en cours...</translation>
    </message>
    <message>
        <source>Solving top layer...</source>
        <translation>Résolution de la couche supérieure...</translation>
    </message>
    <message>
        <source>The top layer is now complete.</source>
        <translation>La couche supérieure est maintenant terminée.</translation>
    </message>
    <message>
        <source>Solving middle layer...</source>
        <translation>Résolution de la couche du milieu...</translation>
    </message>
    <message>
        <source>The middle layer is now complete.</source>
        <translation>La couche du milieu est maintenant terminée.</translation>
    </message>
    <message>
        <source>Solving bottom layer...</source>
        <translation>Résolution de la couche inférieure...</translation>
    </message>
    <message>
        <source>Congratulations!  Your whole cube is now complete.</source>
        <translation>Félicitations&#xa0;!  Votre cube est maintenant entièrement résolu.</translation>
    </message>
    <message>
        <source>Use the Patterns menu to apply patterns to your cube.</source>
        <translation>Utilisez le menu Motifs pour dessiner des motifs sur votre cube.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Use the Patterns menu again to remove the pattern.</source>
        <translation>Utilisez à nouveau le menu Motifs pour enlever le motif.</translation>
    </message>
    <message>
        <source>(top layer done)</source>
        <translation>(couche du haut terminée)</translation>
    </message>
    <message>
        <source>(middle layer done)</source>
        <translation>(couche du milieu terminée)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Sc&amp;an Cube...</source>
        <translation>Sc&amp;anner le cube...</translation>
    </message>
    <message numerus="yes">
        <source>%n stickers are left to paint.</source>
        <translation>
            <numerusform>Il reste %n autocollant à peindre.</numerusform>
            <numerusform>Il reste %n autocollants à peindre.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Cube</source>
        <translation>Scanner le cube</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::SplashForm</name>
    <message>
        <source>Rotalo</source>
        <translation>Rotalo</translation>
    </message>
    <message>
        <source>A solved cube</source>
        <translation>Un cube résolu</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>September 1998</source>
        <translation>Septembre 1998</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Welcome to Rotalo!</source>
        <translation>Bienvenue dans Rotalo&#xa0;!</translation>
    </message>
    <message>
        <source>You must have a screen size of at least 800 x 600 to run Rotalo</source>
        <translation>Rotalo a besoin d&apos;une taille d&apos;écran d&apos;au moins 800 x 600</translation>
    </message>
    <message>
        <source>To change your screen size, use the display settings of your desktop.</source>
        <translation>Pour changer la taille de l&apos;écran, utilisez les paramètres d&apos;affichage de votre bureau.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::Texts</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
