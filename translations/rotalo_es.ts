<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Texts</name>
    <message>
        <source>You must colour in ALL of the sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The six centres must be different colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There must be nine %1 pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There should be no %1 and %2 piece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There should be no %1, %2 and %3 piece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colours on the %1, %2 and %3 piece are in the wrong order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no %1 and %2 piece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no %1, %2 and %3 piece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>front row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top face, %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left front face, %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right front face, %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paint your own scrambled cube, and watch it solved move by move.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::Colours</name>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ColoursForm</name>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cube has 6 different colours on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select these six colours, and then click on Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: You appear to be running in low colour mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should increase the number of colours displayed in the display settings of your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed with Rotalo anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::HandbookWindow</name>
    <message>
        <source>Rotalo Handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A solved cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotalo solves your own scrambled cube. You paint its stickers onto a drawing, Rotalo checks the painting, works out a solution layer by layer and shows it to you move by move, so that you can follow along on your real cube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choosing the colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the six colours your cube has, then press &quot;Next --&gt;&quot;. Rotalo remembers them for the next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Painting your cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold your cube so that the face you see on top of the drawing is on top, and the two faces in front of you are the two front faces of the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a colour in the Paint Box and click on a sticker to paint it; right-click clears it. Click on an arrow head around the cube to turn the whole drawing, and your cube with it, to reach the hidden faces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a mouse: Tab takes you to the drawing, the arrow keys move the cursor from sticker to sticker, keys 1 to 6 paint with the colours of the Paint Box, Space paints with the chosen colour, Delete clears, and X, Y and Z (with Shift the other way) turn the whole cube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &gt; Quick Fill paints a solved cube and Options &gt; Jumble scrambles it. Cube &gt; Undo and Redo take back and repeat every step of painting; Cube &gt; New Cube starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scrambled cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;Solve&quot; when all six faces are painted. If the painting cannot be a real cube, Rotalo says what is wrong: a colour that does not appear nine times, or a piece that no cube has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing a cube that was put back wrongly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cube that was once taken apart and put back together wrongly cannot be solved by turning its sides. Rotalo then shows you, picture by picture, which piece to take out and how to put it back. Press &quot;Next --&gt;&quot; after each step.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Following the solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;Go !&quot; and turn your cube as the drawing turns. &quot;Pause&quot; stops the playback and &quot;Back&quot; takes a move back while it is paused. The Animation menu sets how smoothly the sides turn and how long Rotalo waits between moves; with Step by Step it waits for you to press &quot;Next Move&quot; or Space after every move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &gt; Fewest Moves looks for a much shorter solution, which is harder to follow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When your cube is solved, the Patterns menu puts a pattern on it; choose the same entry again to take it off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z, Ctrl+Shift+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo and redo a step of painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys, 1 to 6, Space, Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the cursor, paint, clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X, Y, Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the whole cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+G, Alt+U, Alt+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go, Pause or Resume, Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Paint your own scrambled cube, and watch it solved move by move.&lt;/p&gt;&lt;p&gt;Rotalo is free software under the GNU General Public License, version 3 or any later version.&lt;/p&gt;&lt;p&gt;Built with Qt %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::PictureBox</name>
    <message>
        <source>Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing of the cube: the top face and the two front faces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::SolveForm</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the drawing size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;6 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;8 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;0 Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rotate Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See &amp;Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Granularity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fewest Moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See Solution in Standard &amp;Notation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Cube as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enter Cube as Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;entres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diagonal Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;TTTTTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotalo &amp;Handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Rotalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Rotalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Click on a brush colour from the Paint Box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Left click on the cube to colour it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Right click on the cube to clear a colour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Click on an arrow head to rotate the cube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Click Solve when all six sides are coloured in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not coloured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Solving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 54 digits of the cube:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stickers of facelets 1 to 48, then the six centres,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each the number of its colour in the Paint Box (1 to 6), or 0 for none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Cube as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text has %1 characters, but a cube is exactly 54 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character %1, &quot;%2&quot;, is not a digit from 0 to 6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which side?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the side as a number from 1 to 6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 is the top, 6 the bottom, and 2, 3, 4, 5 the sides round the cube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which way?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the number of quarter turns from -3 to 3, but not 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 turns the side clockwise, -1 anticlockwise, 2 half way round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn a Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H and W are the size of the drawing in pixels: please give numbers from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SH and SW are the drawing units across the drawing: please give numbers from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twips: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is impossible to solve your cube just by turning the sides.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been taken apart and put back together incorrectly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at some stage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the instructions on screen to fix it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twist the top face around like this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take out the %1 and %2 piece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>anticlockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take out the %1, %2 and %3 piece, turn it %4, and put it back in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the hole at the front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece in the hole on the right, with the %1 side on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece %3, with the %1 side on top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twist your cube back like this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Your cube has now been solved in %n moves.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>You can change how fast the cube turns, and the delay between moves using the Animation menu at any time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving top layer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The top layer is now complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving middle layer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The middle layer is now complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solving bottom layer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations!  Your whole cube is now complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Patterns menu to apply patterns to your cube.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Patterns menu again to remove the pattern.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::SplashForm</name>
    <message>
        <source>Rotalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A solved cube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September 1998</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Rotalo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must have a screen size of at least 800 x 600 to run Rotalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To change your screen size, use the display settings of your desktop.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rotalo::ui::Texts</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
