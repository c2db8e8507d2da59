<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Texts</name>
    <message>
        <source>You must colour in ALL of the sides</source>
        <translation>Sie müssen ALLE Seiten ausmalen</translation>
    </message>
    <message>
        <source>The six centres must be different colours</source>
        <translation>Die sechs Mittelfelder müssen verschiedene Farben haben</translation>
    </message>
    <message>
        <source>There must be nine %1 pieces</source>
        <translation>Die Farbe %1 muss genau neunmal vorkommen</translation>
    </message>
    <message>
        <source>There should be no %1 and %2 piece.</source>
        <translation>Ein Teil mit den Farben %1 und %2 kann es nicht geben.</translation>
    </message>
    <message>
        <source>There should be no %1, %2 and %3 piece.</source>
        <translation>Ein Teil mit den Farben %1, %2 und %3 kann es nicht geben.</translation>
    </message>
    <message>
        <source>The colours on the %1, %2 and %3 piece are in the wrong order.</source>
        <translation>Auf dem Teil mit den Farben %1, %2 und %3 sind die Farben in der falschen Reihenfolge.</translation>
    </message>
    <message>
        <source>You have no %1 and %2 piece.</source>
        <translation>Ihr Würfel hat kein Teil mit den Farben %1 und %2.</translation>
    </message>
    <message>
        <source>You have no %1, %2 and %3 piece.</source>
        <translation>Ihr Würfel hat kein Teil mit den Farben %1, %2 und %3.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>front row</source>
        <translation>vordere Reihe</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>mittlere Reihe</translation>
    </message>
    <message>
        <source>back row</source>
        <translation>hintere Reihe</translation>
    </message>
    <message>
        <source>Top face, %1, %2</source>
        <translation>Oberseite, %1, %2</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>obere Reihe</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>untere Reihe</translation>
    </message>
    <message>
        <source>Left front face, %1, %2</source>
        <translation>Linke Vorderseite, %1, %2</translation>
    </message>
    <message>
        <source>Right front face, %1, %2</source>
        <translation>Rechte Vorderseite, %1, %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paint your own scrambled cube, and watch it solved move by move.</source>
        <translation>Malen Sie Ihren eigenen verdrehten Würfel aus und sehen Sie zu, wie er Zug für Zug gelöst wird.</translation>
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
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ColoursForm</name>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Weiter --&gt;</translation>
    </message>
    <message>
        <source>Your cube has 6 different colours on it.</source>
        <translation>Ihr Würfel hat 6 verschiedene Farben.</translation>
    </message>
    <message>
        <source>Select these six colours, and then click on Next</source>
        <translation>Wählen Sie diese sechs Farben aus und klicken Sie dann auf Weiter</translation>
    </message>
    <message>
        <source>Warning: You appear to be running in low colour mode.</source>
        <translation>Warnung: Ihr Bildschirm zeigt anscheinend nur wenige Farben an.</translation>
    </message>
    <message>
        <source>You should increase the number of colours displayed in the display settings of your desktop.</source>
        <translation>Erhöhen Sie die Zahl der dargestellten Farben in den Anzeigeeinstellungen Ihres Desktops.</translation>
    </message>
    <message>
        <source>Proceed with Rotalo anyway?</source>
        <translation>Trotzdem mit Rotalo fortfahren?</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::HandbookWindow</name>
    <message>
        <source>Rotalo Handbook</source>
        <translation>Rotalo-Handbuch</translation>
    </message>
    <message>
        <source>A solved cube</source>
        <translation>Ein gelöster Würfel</translation>
    </message>
    <message>
        <source>Rotalo solves your own scrambled cube. You paint its stickers onto a drawing, Rotalo checks the painting, works out a solution layer by layer and shows it to you move by move, so that you can follow along on your real cube.</source>
        <translation>Rotalo löst Ihren eigenen verdrehten Würfel. Sie malen seine Aufkleber auf einer Zeichnung aus, Rotalo prüft die Bemalung, erarbeitet Schicht für Schicht eine Lösung und zeigt sie Ihnen Zug für Zug, sodass Sie an Ihrem echten Würfel mitdrehen können.</translation>
    </message>
    <message>
        <source>Choosing the colours</source>
        <translation>Die Farben wählen</translation>
    </message>
    <message>
        <source>Tick the six colours your cube has, then press &quot;Next --&gt;&quot;. Rotalo remembers them for the next time.</source>
        <translation>Kreuzen Sie die sechs Farben Ihres Würfels an und drücken Sie dann „Weiter --&gt;“. Rotalo merkt sie sich für das nächste Mal.</translation>
    </message>
    <message>
        <source>Painting your cube</source>
        <translation>Ihren Würfel ausmalen</translation>
    </message>
    <message>
        <source>Hold your cube so that the face you see on top of the drawing is on top, and the two faces in front of you are the two front faces of the drawing.</source>
        <translation>Halten Sie Ihren Würfel so, dass die Seite, die auf der Zeichnung oben liegt, auch bei Ihnen oben ist und die beiden Seiten vor Ihnen die beiden vorderen Seiten der Zeichnung sind.</translation>
    </message>
    <message>
        <source>Choose a colour in the Paint Box and click on a sticker to paint it; right-click clears it. Click on an arrow head around the cube to turn the whole drawing, and your cube with it, to reach the hidden faces.</source>
        <translation>Wählen Sie eine Farbe im Malkasten und klicken Sie auf einen Aufkleber, um ihn auszumalen; ein Rechtsklick löscht ihn wieder. Klicken Sie auf eine der Pfeilspitzen rund um den Würfel, um die ganze Zeichnung – und Ihren Würfel mit ihr – zu drehen und so an die verdeckten Seiten zu gelangen.</translation>
    </message>
    <message>
        <source>Without a mouse: Tab takes you to the drawing, the arrow keys move the cursor from sticker to sticker, keys 1 to 6 paint with the colours of the Paint Box, Space paints with the chosen colour, Delete clears, and X, Y and Z (with Shift the other way) turn the whole cube.</source>
        <translation>Ohne Maus: Mit Tab gelangen Sie zur Zeichnung, die Pfeiltasten bewegen den Cursor von Aufkleber zu Aufkleber, die Tasten 1 bis 6 malen mit den Farben des Malkastens, die Leertaste malt mit der gewählten Farbe, Entf löscht, und X, Y und Z (mit Umschalt in die andere Richtung) drehen den ganzen Würfel.</translation>
    </message>
    <message>
        <source>Options &gt; Quick Fill paints a solved cube and Options &gt; Jumble scrambles it. Cube &gt; Undo and Redo take back and repeat every step of painting; Cube &gt; New Cube starts again.</source>
        <translation>Optionen &gt; Schnell füllen malt einen gelösten Würfel aus, Optionen &gt; Mischen verdreht ihn. Würfel &gt; Rückgängig und Wiederherstellen nehmen jeden Malschritt zurück bzw. wiederholen ihn; Würfel &gt; Neuer Würfel fängt von vorn an.</translation>
    </message>
    <message>
        <source>A scrambled cube</source>
        <translation>Ein verdrehter Würfel</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Press &quot;Solve&quot; when all six faces are painted. If the painting cannot be a real cube, Rotalo says what is wrong: a colour that does not appear nine times, or a piece that no cube has.</source>
        <translation>Drücken Sie „Lösen“, wenn alle sechs Seiten ausgemalt sind. Kann die Bemalung kein echter Würfel sein, sagt Rotalo, was nicht stimmt: eine Farbe, die nicht neunmal vorkommt, oder ein Teil, das es an keinem Würfel gibt.</translation>
    </message>
    <message>
        <source>Repairing a cube that was put back wrongly</source>
        <translation>Einen falsch zusammengesetzten Würfel reparieren</translation>
    </message>
    <message>
        <source>A cube that was once taken apart and put back together wrongly cannot be solved by turning its sides. Rotalo then shows you, picture by picture, which piece to take out and how to put it back. Press &quot;Next --&gt;&quot; after each step.</source>
        <translation>Ein Würfel, der einmal zerlegt und falsch wieder zusammengesetzt wurde, lässt sich durch Drehen seiner Seiten nicht lösen. Rotalo zeigt Ihnen dann Bild für Bild, welches Teil Sie herausnehmen und wie Sie es wieder einsetzen. Drücken Sie nach jedem Schritt „Weiter --&gt;“.</translation>
    </message>
    <message>
        <source>Following the solution</source>
        <translation>Der Lösung folgen</translation>
    </message>
    <message>
        <source>Press &quot;Go !&quot; and turn your cube as the drawing turns. &quot;Pause&quot; stops the playback and &quot;Back&quot; takes a move back while it is paused. The Animation menu sets how smoothly the sides turn and how long Rotalo waits between moves; with Step by Step it waits for you to press &quot;Next Move&quot; or Space after every move.</source>
        <translation>Drücken Sie „Los!“ und drehen Sie Ihren Würfel so, wie sich die Zeichnung dreht. „Pause“ hält die Wiedergabe an, und „Zurück“ nimmt während der Pause einen Zug zurück. Im Menü Animation stellen Sie ein, wie flüssig sich die Seiten drehen und wie lange Rotalo zwischen den Zügen wartet; mit Schritt für Schritt wartet es nach jedem Zug, bis Sie „Nächster Zug“ oder die Leertaste drücken.</translation>
    </message>
    <message>
        <source>Options &gt; Fewest Moves looks for a much shorter solution, which is harder to follow.</source>
        <translation>Optionen &gt; Wenigste Züge sucht eine viel kürzere Lösung, der allerdings schwerer zu folgen ist.</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>When your cube is solved, the Patterns menu puts a pattern on it; choose the same entry again to take it off.</source>
        <translation>Ist Ihr Würfel gelöst, bringt das Menü Muster ein Muster auf ihn; wählen Sie denselben Eintrag noch einmal, um es wieder zu entfernen.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Strg+N</translation>
    </message>
    <message>
        <source>New cube</source>
        <translation>Neuer Würfel</translation>
    </message>
    <message>
        <source>Undo and redo a step of painting</source>
        <translation>Einen Malschritt rückgängig machen und wiederherstellen</translation>
    </message>
    <message>
        <source>X, Y, Z</source>
        <translation>X, Y, Z</translation>
    </message>
    <message>
        <source>Turn the whole cube</source>
        <translation>Den ganzen Würfel drehen</translation>
    </message>
    <message>
        <source>Alt+G, Alt+U, Alt+B</source>
        <translation>Alt+G, Alt+U, Alt+B</translation>
    </message>
    <message>
        <source>Go, Pause or Resume, Back</source>
        <translation>Los, Pause oder Fortsetzen, Zurück</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This handbook</source>
        <translation>Dieses Handbuch</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Paint your own scrambled cube, and watch it solved move by move.&lt;/p&gt;&lt;p&gt;Rotalo is free software under the GNU General Public License, version 3 or any later version.&lt;/p&gt;&lt;p&gt;Built with Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Malen Sie Ihren eigenen verdrehten Würfel aus und sehen Sie zu, wie er Zug für Zug gelöst wird.&lt;/p&gt;&lt;p&gt;Rotalo ist freie Software unter der GNU General Public License, Version 3 oder jeder späteren Version.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Strg+Z; Strg+Umschalt+Z oder Strg+Y</translation>
    </message>
    <message>
        <source>Arrow keys; 1 to 6, Space; Delete, Backspace or 0</source>
        <translation>Pfeiltasten; 1 bis 6, Leertaste; Entf, Rücktaste oder 0</translation>
    </message>
    <message>
        <source>Move the cursor; paint; clear</source>
        <translation>Cursor bewegen; malen; löschen</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::PictureBox</name>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Drawing of the cube: the top face and the two front faces</source>
        <translation>Zeichnung des Würfels: die Oberseite und die beiden Vorderseiten</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ScanWindow</name>
    <message>
        <source>Scan Cube</source>
        <translation>Würfel scannen</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.webp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Camera picture</source>
        <translation>Kamerabild</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Kamera</translation>
    </message>
    <message>
        <source>Photos read</source>
        <translation>Gelesene Fotos</translation>
    </message>
    <message>
        <source>&amp;Add Photos...</source>
        <translation>Fotos &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Photos</source>
        <translation>&amp;Fotos</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>Diesen Würfel &amp;verwenden</translation>
    </message>
    <message>
        <source>Start A&amp;gain</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>%1 is not a picture Rotalo can read.</source>
        <translation>%1 ist kein Bild, das Rotalo lesen kann.</translation>
    </message>
    <message>
        <source>No cube face was found in %1.</source>
        <translation>In %1 wurde keine Würfelseite gefunden.</translation>
    </message>
    <message>
        <source>Six faces have been read already: start again to read others.</source>
        <translation>Es wurden schon sechs Seiten gelesen. Beginnen Sie neu, um andere zu lesen.</translation>
    </message>
    <message>
        <source>Read the six faces of your cube, from the camera or from photos, in any order and any way up.</source>
        <translation>Lesen Sie die sechs Seiten Ihres Würfels mit der Kamera oder aus Fotos ein, in beliebiger Reihenfolge und beliebig gedreht.</translation>
    </message>
    <message numerus="yes">
        <source>%n of 6 faces read.</source>
        <translation>
            <numerusform>%n von 6 Seiten gelesen.</numerusform>
            <numerusform>%n von 6 Seiten gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>All 54 stickers read.</source>
        <translation>Alle 54 Aufkleber gelesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n stickers could not be read for sure: they are left for you to paint.</source>
        <translation>
            <numerusform>%n Aufkleber konnte nicht sicher gelesen werden: Sie malen ihn selbst aus.</numerusform>
            <numerusform>%n Aufkleber konnten nicht sicher gelesen werden: Sie malen sie selbst aus.</numerusform>
        </translation>
    </message>
    <message>
        <source>The faces fit more than one cube: the stickers where they differ are left for you to paint.</source>
        <translation>Die Seiten passen zu mehr als einem Würfel: Die Aufkleber, in denen sich diese unterscheiden, malen Sie selbst aus.</translation>
    </message>
    <message>
        <source>Face %1 read</source>
        <translation>Seite %1 gelesen</translation>
    </message>
    <message>
        <source>No camera was found. You can read the cube from photos instead.</source>
        <translation>Es wurde keine Kamera gefunden. Sie können den Würfel stattdessen aus Fotos einlesen.</translation>
    </message>
    <message>
        <source>Hold a face of your cube in front of the camera and keep it still until it is taken.</source>
        <translation>Halten Sie eine Seite Ihres Würfels vor die Kamera und halten Sie sie still, bis sie aufgenommen ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n of 6 faces taken. Now show the next face, any way up.</source>
        <translation>
            <numerusform>%n von 6 Seiten aufgenommen. Zeigen Sie jetzt die nächste Seite, beliebig gedreht.</numerusform>
            <numerusform>%n von 6 Seiten aufgenommen. Zeigen Sie jetzt die nächste Seite, beliebig gedreht.</numerusform>
        </translation>
    </message>
    <message>
        <source>All six faces are taken.</source>
        <translation>Alle sechs Seiten sind aufgenommen.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::SolveForm</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Paint Box</source>
        <translation>Malkasten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>Wei&amp;ter --&gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Apply the drawing size</source>
        <translation>Zeichnungsgröße übernehmen</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>SH</source>
        <translation>SH</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SB</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Scale height</source>
        <translation>Skalenhöhe</translation>
    </message>
    <message>
        <source>Scale width</source>
        <translation>Skalenbreite</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animation</translation>
    </message>
    <message>
        <source>&amp;Detail</source>
        <translation>&amp;Feinheit</translation>
    </message>
    <message>
        <source>&amp;2 Frames</source>
        <translation>&amp;2 Bilder</translation>
    </message>
    <message>
        <source>&amp;4 Frames</source>
        <translation>&amp;4 Bilder</translation>
    </message>
    <message>
        <source>&amp;6 Frames</source>
        <translation>&amp;6 Bilder</translation>
    </message>
    <message>
        <source>&amp;8 Frames</source>
        <translation>&amp;8 Bilder</translation>
    </message>
    <message>
        <source>1&amp;0 Frames</source>
        <translation>1&amp;0 Bilder</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;1 Second</source>
        <translation>&amp;1 Sekunde</translation>
    </message>
    <message>
        <source>&amp;2 Seconds</source>
        <translation>&amp;2 Sekunden</translation>
    </message>
    <message>
        <source>&amp;3 Seconds</source>
        <translation>&amp;3 Sekunden</translation>
    </message>
    <message>
        <source>&amp;4 Seconds</source>
        <translation>&amp;4 Sekunden</translation>
    </message>
    <message>
        <source>&amp;5 Seconds</source>
        <translation>&amp;5 Sekunden</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Schritt für Schritt</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Quick Fill</source>
        <translation>&amp;Schnell füllen</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>&amp;Rotate Button</source>
        <translation>Schaltfläche &amp;Drehen</translation>
    </message>
    <message>
        <source>See &amp;Solution</source>
        <translation>&amp;Lösung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Granularity</source>
        <translation>&amp;Granularität</translation>
    </message>
    <message>
        <source>&amp;Twips</source>
        <translation>&amp;Twips</translation>
    </message>
    <message>
        <source>&amp;Fewest Moves</source>
        <translation>&amp;Wenigste Züge</translation>
    </message>
    <message>
        <source>See Solution in Standard &amp;Notation</source>
        <translation>Lösung in Standard&amp;notation anzeigen</translation>
    </message>
    <message>
        <source>&amp;Copy Cube as Text</source>
        <translation>Würfel als Text &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Enter Cube as Text...</source>
        <translation>Würfel als Text &amp;eingeben...</translation>
    </message>
    <message>
        <source>&amp;Patterns</source>
        <translation>&amp;Muster</translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation>&amp;Schachbrett</translation>
    </message>
    <message>
        <source>C&amp;entres</source>
        <translation>&amp;Mitten</translation>
    </message>
    <message>
        <source>&amp;HI</source>
        <translation>&amp;HI</translation>
    </message>
    <message>
        <source>&amp;Diagonal Lines</source>
        <translation>&amp;Diagonalen</translation>
    </message>
    <message>
        <source>&amp;TTTTTT</source>
        <translation>&amp;TTTTTT</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Würfel</translation>
    </message>
    <message>
        <source>&amp;New Cube</source>
        <translation>&amp;Neuer Würfel</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Rotalo &amp;Handbook</source>
        <translation>Rotalo-&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About Rotalo</source>
        <translation>&amp;Über Rotalo</translation>
    </message>
    <message>
        <source>About Rotalo</source>
        <translation>Über Rotalo</translation>
    </message>
    <message>
        <source>- Click on a brush colour from the Paint Box.</source>
        <translation>- Klicken Sie im Malkasten auf eine Pinselfarbe.</translation>
    </message>
    <message>
        <source>- Left click on the cube to colour it in.</source>
        <translation>- Mit Linksklick malen Sie den Würfel aus.</translation>
    </message>
    <message>
        <source>- Right click on the cube to clear a colour.</source>
        <translation>- Mit Rechtsklick löschen Sie eine Farbe wieder.</translation>
    </message>
    <message>
        <source>- Click on an arrow head to rotate the cube.</source>
        <translation>- Ein Klick auf eine Pfeilspitze dreht den Würfel.</translation>
    </message>
    <message>
        <source>- Click Solve when all six sides are coloured in.</source>
        <translation>- Klicken Sie auf Lösen, wenn alle Seiten ausgemalt sind.</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Turn the Cube</source>
        <translation>Würfel drehen</translation>
    </message>
    <message>
        <source>not coloured</source>
        <translation>nicht ausgemalt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stop Solving</source>
        <translation>Lösen abbrechen</translation>
    </message>
    <message>
        <source>New Cube</source>
        <translation>Neuer Würfel</translation>
    </message>
    <message>
        <source>The 54 digits of the cube:</source>
        <translation>Die 54 Ziffern des Würfels:</translation>
    </message>
    <message>
        <source>the stickers of facelets 1 to 48, then the six centres,</source>
        <translation>die Aufkleber der Felder 1 bis 48, dann die sechs Mittelfelder,</translation>
    </message>
    <message>
        <source>each the number of its colour in the Paint Box (1 to 6), or 0 for none.</source>
        <translation>jeweils die Nummer seiner Farbe im Malkasten (1 bis 6) oder 0 für keine.</translation>
    </message>
    <message>
        <source>Enter Cube as Text</source>
        <translation>Würfel als Text eingeben</translation>
    </message>
    <message>
        <source>The text has %1 characters, but a cube is exactly 54 digits.</source>
        <translation>Der Text hat %1 Zeichen, ein Würfel besteht aber aus genau 54 Ziffern.</translation>
    </message>
    <message>
        <source>Character %1, &quot;%2&quot;, is not a digit from 0 to 6.</source>
        <translation>Zeichen %1, „%2“, ist keine Ziffer von 0 bis 6.</translation>
    </message>
    <message>
        <source>Quick Fill</source>
        <translation>Schnell füllen</translation>
    </message>
    <message>
        <source>Jumble</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Which side?</source>
        <translation>Welche Seite?</translation>
    </message>
    <message>
        <source>Please give the side as a number from 1 to 6.</source>
        <translation>Bitte geben Sie die Seite als Zahl von 1 bis 6 an.</translation>
    </message>
    <message>
        <source>1 is the top, 6 the bottom, and 2, 3, 4, 5 the sides round the cube.</source>
        <translation>1 ist oben, 6 unten, und 2, 3, 4, 5 sind die Seiten rund um den Würfel.</translation>
    </message>
    <message>
        <source>Which way?</source>
        <translation>In welche Richtung?</translation>
    </message>
    <message>
        <source>Please give the number of quarter turns from -3 to 3, but not 0.</source>
        <translation>Bitte geben Sie die Zahl der Vierteldrehungen von -3 bis 3 an, aber nicht 0.</translation>
    </message>
    <message>
        <source>1 turns the side clockwise, -1 anticlockwise, 2 half way round.</source>
        <translation>1 dreht die Seite im Uhrzeigersinn, -1 gegen den Uhrzeigersinn, 2 um eine halbe Umdrehung.</translation>
    </message>
    <message>
        <source>Turn a Side</source>
        <translation>Seite drehen</translation>
    </message>
    <message>
        <source>H and W are the size of the drawing in pixels: please give numbers from 1 to %1.</source>
        <translation>H und B sind die Größe der Zeichnung in Pixeln: Bitte geben Sie Zahlen von 1 bis %1 an.</translation>
    </message>
    <message>
        <source>SH and SW are the drawing units across the drawing: please give numbers from 1 to %1.</source>
        <translation>SH und SB sind die Zeicheneinheiten über die Höhe und Breite der Zeichnung: Bitte geben Sie Zahlen von 1 bis %1 an.</translation>
    </message>
    <message>
        <source>Twips: </source>
        <translation>Twips: </translation>
    </message>
    <message>
        <source>Actual: </source>
        <translation>Tatsächlich: </translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Skala: </translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Einen Moment bitte...</translation>
    </message>
    <message>
        <source>It is impossible to solve your cube just by turning the sides.</source>
        <translation>Ihr Würfel lässt sich nicht allein durch Drehen der Seiten lösen.</translation>
    </message>
    <message>
        <source>It has been taken apart and put back together incorrectly</source>
        <translation>Er wurde irgendwann einmal auseinandergenommen</translation>
    </message>
    <message>
        <source>at some stage.</source>
        <translation>und falsch wieder zusammengesetzt.</translation>
    </message>
    <message>
        <source>Follow the instructions on screen to fix it.</source>
        <translation>Folgen Sie den Anweisungen auf dem Bildschirm, um ihn zu reparieren.</translation>
    </message>
    <message>
        <source>Twist the top face around like this.</source>
        <translation>Drehen Sie die Oberseite so herum.</translation>
    </message>
    <message>
        <source>Take out the %1 and %2 piece.</source>
        <translation>Nehmen Sie das Teil mit den Farben %1 und %2 heraus.</translation>
    </message>
    <message>
        <source>anticlockwise</source>
        <translation>gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Take out the %1, %2 and %3 piece, turn it %4, and put it back in.</source>
        <translation>Nehmen Sie das Teil mit den Farben %1, %2 und %3 heraus, drehen Sie es %4 und setzen Sie es wieder ein.</translation>
    </message>
    <message>
        <source>back in</source>
        <translation>wieder</translation>
    </message>
    <message>
        <source>in the hole at the front</source>
        <translation>in das Loch vorne</translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece in the hole on the right, with the %1 side on top.</source>
        <translation>Setzen Sie das Teil mit den Farben %1 und %2 in das Loch rechts ein, mit %1 nach oben.</translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece %3, with the %1 side on top.</source>
        <translation>Setzen Sie das Teil mit den Farben %1 und %2 %3 ein, mit %1 nach oben.</translation>
    </message>
    <message>
        <source>Twist your cube back like this.</source>
        <translation>Drehen Sie Ihren Würfel so wieder zurück.</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>Nächster &amp;Zug</translation>
    </message>
    <message numerus="yes">
        <source>Your cube has now been solved in %n moves.</source>
        <translation>
            <numerusform>Ihr Würfel ist jetzt in %n Zug gelöst.</numerusform>
            <numerusform>Ihr Würfel ist jetzt in %n Zügen gelöst.</numerusform>
        </translation>
    </message>
    <message>
        <source>You can change how fast the cube turns, and the delay between moves using the Animation menu at any time.</source>
        <translation>Wie schnell sich der Würfel dreht und wie lange zwischen den Zügen gewartet wird, können Sie jederzeit im Menü Animation ändern.</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Wird gelöst...</translation>
    </message>
    <message>
        <source>Solving top layer...</source>
        <translation>Obere Schicht wird gelöst...</translation>
    </message>
    <message>
        <source>The top layer is now complete.</source>
        <translation>Die obere Schicht ist jetzt fertig.</translation>
    </message>
    <message>
        <source>Solving middle layer...</source>
        <translation>Mittlere Schicht wird gelöst...</translation>
    </message>
    <message>
        <source>The middle layer is now complete.</source>
        <translation>Die mittlere Schicht ist jetzt fertig.</translation>
    </message>
    <message>
        <source>Solving bottom layer...</source>
        <translation>Untere Schicht wird gelöst...</translation>
    </message>
    <message>
        <source>Congratulations!  Your whole cube is now complete.</source>
        <translation>Herzlichen Glückwunsch!  Ihr ganzer Würfel ist jetzt gelöst.</translation>
    </message>
    <message>
        <source>Use the Patterns menu to apply patterns to your cube.</source>
        <translation>Über das Menü Muster können Sie Ihren Würfel mit Mustern versehen.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Use the Patterns menu again to remove the pattern.</source>
        <translation>Über das Menü Muster können Sie das Muster wieder entfernen.</translation>
    </message>
    <message>
        <source>(top layer done)</source>
        <translation>(obere Schicht fertig)</translation>
    </message>
    <message>
        <source>(middle layer done)</source>
        <translation>(mittlere Schicht fertig)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Sc&amp;an Cube...</source>
        <translation>Würfel sc&amp;annen...</translation>
    </message>
    <message numerus="yes">
        <source>%n stickers are left to paint.</source>
        <translation>
            <numerusform>Noch %n Aufkleber auszumalen.</numerusform>
            <numerusform>Noch %n Aufkleber auszumalen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Cube</source>
        <translation>Würfel scannen</translation>
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
        <translation>Ein gelöster Würfel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>September 1998</source>
        <translation>September 1998</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Welcome to Rotalo!</source>
        <translation>Willkommen bei Rotalo!</translation>
    </message>
    <message>
        <source>You must have a screen size of at least 800 x 600 to run Rotalo</source>
        <translation>Für Rotalo brauchen Sie eine Bildschirmgröße von mindestens 800 x 600</translation>
    </message>
    <message>
        <source>To change your screen size, use the display settings of your desktop.</source>
        <translation>Die Bildschirmgröße ändern Sie in den Anzeigeeinstellungen Ihres Desktops.</translation>
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
