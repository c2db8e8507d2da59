<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Texts</name>
    <message>
        <source>You must colour in ALL of the sides</source>
        <translation>Tienes que colorear TODAS las caras</translation>
    </message>
    <message>
        <source>The six centres must be different colours</source>
        <translation>Los seis centros deben ser de colores distintos</translation>
    </message>
    <message>
        <source>There must be nine %1 pieces</source>
        <translation>El color %1 debe aparecer exactamente nueve veces</translation>
    </message>
    <message>
        <source>There should be no %1 and %2 piece.</source>
        <translation>No puede existir una pieza de colores %1 y %2.</translation>
    </message>
    <message>
        <source>There should be no %1, %2 and %3 piece.</source>
        <translation>No puede existir una pieza de colores %1, %2 y %3.</translation>
    </message>
    <message>
        <source>The colours on the %1, %2 and %3 piece are in the wrong order.</source>
        <translation>Los colores de la pieza %1, %2 y %3 están en el orden equivocado.</translation>
    </message>
    <message>
        <source>You have no %1 and %2 piece.</source>
        <translation>Tu cubo no tiene ninguna pieza de colores %1 y %2.</translation>
    </message>
    <message>
        <source>You have no %1, %2 and %3 piece.</source>
        <translation>Tu cubo no tiene ninguna pieza de colores %1, %2 y %3.</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>front row</source>
        <translation>fila delantera</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>fila central</translation>
    </message>
    <message>
        <source>back row</source>
        <translation>fila trasera</translation>
    </message>
    <message>
        <source>Top face, %1, %2</source>
        <translation>Cara superior, %1, %2</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>fila superior</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>fila inferior</translation>
    </message>
    <message>
        <source>Left front face, %1, %2</source>
        <translation>Cara frontal izquierda, %1, %2</translation>
    </message>
    <message>
        <source>Right front face, %1, %2</source>
        <translation>Cara frontal derecha, %1, %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paint your own scrambled cube, and watch it solved move by move.</source>
        <translation>Pinta tu propio cubo desordenado y míralo resolverse movimiento a movimiento.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::Colours</name>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ColoursForm</name>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Siguiente --&gt;</translation>
    </message>
    <message>
        <source>Your cube has 6 different colours on it.</source>
        <translation>Tu cubo tiene 6 colores distintos.</translation>
    </message>
    <message>
        <source>Select these six colours, and then click on Next</source>
        <translation>Selecciona esos seis colores y luego haz clic en Siguiente</translation>
    </message>
    <message>
        <source>Warning: You appear to be running in low colour mode.</source>
        <translation>Atención: parece que tu pantalla muestra pocos colores.</translation>
    </message>
    <message>
        <source>You should increase the number of colours displayed in the display settings of your desktop.</source>
        <translation>Deberías aumentar el número de colores en la configuración de pantalla de tu escritorio.</translation>
    </message>
    <message>
        <source>Proceed with Rotalo anyway?</source>
        <translation>¿Continuar con Rotalo de todos modos?</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::HandbookWindow</name>
    <message>
        <source>Rotalo Handbook</source>
        <translation>Manual de Rotalo</translation>
    </message>
    <message>
        <source>A solved cube</source>
        <translation>Un cubo resuelto</translation>
    </message>
    <message>
        <source>Rotalo solves your own scrambled cube. You paint its stickers onto a drawing, Rotalo checks the painting, works out a solution layer by layer and shows it to you move by move, so that you can follow along on your real cube.</source>
        <translation>Rotalo resuelve tu propio cubo desordenado. Pintas sus pegatinas sobre un dibujo; Rotalo comprueba la pintura, calcula una solución capa por capa y te la muestra movimiento a movimiento, para que puedas seguirla en tu cubo real.</translation>
    </message>
    <message>
        <source>Choosing the colours</source>
        <translation>Elegir los colores</translation>
    </message>
    <message>
        <source>Tick the six colours your cube has, then press &quot;Next --&gt;&quot;. Rotalo remembers them for the next time.</source>
        <translation>Marca los seis colores que tiene tu cubo y pulsa «Siguiente --&gt;». Rotalo los recuerda para la próxima vez.</translation>
    </message>
    <message>
        <source>Painting your cube</source>
        <translation>Pintar tu cubo</translation>
    </message>
    <message>
        <source>Hold your cube so that the face you see on top of the drawing is on top, and the two faces in front of you are the two front faces of the drawing.</source>
        <translation>Sujeta tu cubo de modo que la cara que ves arriba en el dibujo quede arriba y que las dos caras que tienes delante sean las dos caras frontales del dibujo.</translation>
    </message>
    <message>
        <source>Choose a colour in the Paint Box and click on a sticker to paint it; right-click clears it. Click on an arrow head around the cube to turn the whole drawing, and your cube with it, to reach the hidden faces.</source>
        <translation>Elige un color en la Paleta y haz clic en una pegatina para pintarla; el clic derecho la borra. Haz clic en una punta de flecha alrededor del cubo para girar todo el dibujo, y tu cubo con él, y llegar así a las caras ocultas.</translation>
    </message>
    <message>
        <source>Without a mouse: Tab takes you to the drawing, the arrow keys move the cursor from sticker to sticker, keys 1 to 6 paint with the colours of the Paint Box, Space paints with the chosen colour, Delete clears, and X, Y and Z (with Shift the other way) turn the whole cube.</source>
        <translation>Sin ratón: Tab te lleva al dibujo, las teclas de flecha mueven el cursor de pegatina en pegatina, las teclas 1 a 6 pintan con los colores de la Paleta, Espacio pinta con el color elegido, Supr borra, y X, Y y Z (con Mayús, en el otro sentido) giran todo el cubo.</translation>
    </message>
    <message>
        <source>Options &gt; Quick Fill paints a solved cube and Options &gt; Jumble scrambles it. Cube &gt; Undo and Redo take back and repeat every step of painting; Cube &gt; New Cube starts again.</source>
        <translation>Opciones &gt; Relleno rápido pinta un cubo resuelto y Opciones &gt; Mezclar lo desordena. Cubo &gt; Deshacer y Rehacer deshacen y repiten cada paso de la pintura; Cubo &gt; Nuevo cubo vuelve a empezar.</translation>
    </message>
    <message>
        <source>A scrambled cube</source>
        <translation>Un cubo desordenado</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Press &quot;Solve&quot; when all six faces are painted. If the painting cannot be a real cube, Rotalo says what is wrong: a colour that does not appear nine times, or a piece that no cube has.</source>
        <translation>Pulsa «Resolver» cuando las seis caras estén pintadas. Si la pintura no puede corresponder a un cubo real, Rotalo te dice qué falla: un color que no aparece nueve veces o una pieza que ningún cubo tiene.</translation>
    </message>
    <message>
        <source>Repairing a cube that was put back wrongly</source>
        <translation>Reparar un cubo mal montado</translation>
    </message>
    <message>
        <source>A cube that was once taken apart and put back together wrongly cannot be solved by turning its sides. Rotalo then shows you, picture by picture, which piece to take out and how to put it back. Press &quot;Next --&gt;&quot; after each step.</source>
        <translation>Un cubo que alguna vez se desmontó y se volvió a montar mal no se puede resolver girando sus caras. Rotalo te muestra entonces, imagen a imagen, qué pieza sacar y cómo volver a colocarla. Pulsa «Siguiente --&gt;» después de cada paso.</translation>
    </message>
    <message>
        <source>Following the solution</source>
        <translation>Seguir la solución</translation>
    </message>
    <message>
        <source>Press &quot;Go !&quot; and turn your cube as the drawing turns. &quot;Pause&quot; stops the playback and &quot;Back&quot; takes a move back while it is paused. The Animation menu sets how smoothly the sides turn and how long Rotalo waits between moves; with Step by Step it waits for you to press &quot;Next Move&quot; or Space after every move.</source>
        <translation>Pulsa «¡Adelante!» y gira tu cubo como gira el dibujo. «Pausa» detiene la reproducción y «Atrás» deshace un movimiento mientras está en pausa. El menú Animación ajusta la suavidad con que giran las caras y cuánto espera Rotalo entre movimientos; con Paso a paso, espera después de cada movimiento a que pulses «Siguiente movimiento» o Espacio.</translation>
    </message>
    <message>
        <source>Options &gt; Fewest Moves looks for a much shorter solution, which is harder to follow.</source>
        <translation>Opciones &gt; Menos movimientos busca una solución mucho más corta, aunque más difícil de seguir.</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Patrones</translation>
    </message>
    <message>
        <source>When your cube is solved, the Patterns menu puts a pattern on it; choose the same entry again to take it off.</source>
        <translation>Cuando tu cubo está resuelto, el menú Patrones le pone un patrón; elige otra vez la misma opción para quitarlo.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>New cube</source>
        <translation>Nuevo cubo</translation>
    </message>
    <message>
        <source>Undo and redo a step of painting</source>
        <translation>Deshacer y rehacer un paso de la pintura</translation>
    </message>
    <message>
        <source>X, Y, Z</source>
        <translation>X, Y, Z</translation>
    </message>
    <message>
        <source>Turn the whole cube</source>
        <translation>Girar todo el cubo</translation>
    </message>
    <message>
        <source>Alt+G, Alt+U, Alt+B</source>
        <translation>Alt+G, Alt+U, Alt+B</translation>
    </message>
    <message>
        <source>Go, Pause or Resume, Back</source>
        <translation>Adelante, Pausa o Reanudar, Atrás</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This handbook</source>
        <translation>Este manual</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Paint your own scrambled cube, and watch it solved move by move.&lt;/p&gt;&lt;p&gt;Rotalo is free software under the GNU General Public License, version 3 or any later version.&lt;/p&gt;&lt;p&gt;Built with Qt %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rotalo %1&lt;/h3&gt;&lt;p&gt;Pinta tu propio cubo desordenado y míralo resolverse movimiento a movimiento.&lt;/p&gt;&lt;p&gt;Rotalo es software libre bajo la licencia GNU General Public License, versión 3 o cualquier versión posterior.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y</source>
        <translation>Ctrl+Z; Ctrl+Mayús+Z o Ctrl+Y</translation>
    </message>
    <message>
        <source>Arrow keys; 1 to 6, Space; Delete, Backspace or 0</source>
        <translation>Teclas de flecha; 1 a 6, Espacio; Supr, Retroceso o 0</translation>
    </message>
    <message>
        <source>Move the cursor; paint; clear</source>
        <translation>Mover el cursor; pintar; borrar</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::PictureBox</name>
    <message>
        <source>Cube</source>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Drawing of the cube: the top face and the two front faces</source>
        <translation>Dibujo del cubo: la cara superior y las dos caras frontales</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::ScanWindow</name>
    <message>
        <source>Scan Cube</source>
        <translation>Escanear el cubo</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.webp);;All files (*)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.webp);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Camera picture</source>
        <translation>Imagen de la cámara</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Cámara</translation>
    </message>
    <message>
        <source>Photos read</source>
        <translation>Fotos leídas</translation>
    </message>
    <message>
        <source>&amp;Add Photos...</source>
        <translation>&amp;Añadir fotos...</translation>
    </message>
    <message>
        <source>&amp;Photos</source>
        <translation>&amp;Fotos</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>&amp;Usar este cubo</translation>
    </message>
    <message>
        <source>Start A&amp;gain</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>No camera</source>
        <translation>Sin cámara</translation>
    </message>
    <message>
        <source>%1 is not a picture Rotalo can read.</source>
        <translation>%1 no es una imagen que Rotalo pueda leer.</translation>
    </message>
    <message>
        <source>No cube face was found in %1.</source>
        <translation>No se ha encontrado ninguna cara del cubo en %1.</translation>
    </message>
    <message>
        <source>Six faces have been read already: start again to read others.</source>
        <translation>Ya se han leído seis caras: empieza de nuevo para leer otras.</translation>
    </message>
    <message>
        <source>Read the six faces of your cube, from the camera or from photos, in any order and any way up.</source>
        <translation>Lee las seis caras de tu cubo con la cámara o desde fotos, en cualquier orden y en cualquier posición.</translation>
    </message>
    <message numerus="yes">
        <source>%n of 6 faces read.</source>
        <translation>
            <numerusform>%n de 6 caras leída.</numerusform>
            <numerusform>%n de 6 caras leídas.</numerusform>
        </translation>
    </message>
    <message>
        <source>All 54 stickers read.</source>
        <translation>Se han leído las 54 pegatinas.</translation>
    </message>
    <message numerus="yes">
        <source>%n stickers could not be read for sure: they are left for you to paint.</source>
        <translation>
            <numerusform>%n pegatina no se ha podido leer con seguridad: te toca pintarla a ti.</numerusform>
            <numerusform>%n pegatinas no se han podido leer con seguridad: te toca pintarlas a ti.</numerusform>
        </translation>
    </message>
    <message>
        <source>The faces fit more than one cube: the stickers where they differ are left for you to paint.</source>
        <translation>Las caras encajan con más de un cubo: te toca pintar las pegatinas en las que difieren.</translation>
    </message>
    <message>
        <source>Face %1 read</source>
        <translation>Cara %1 leída</translation>
    </message>
    <message>
        <source>No camera was found. You can read the cube from photos instead.</source>
        <translation>No se ha encontrado ninguna cámara. Puedes leer el cubo desde fotos.</translation>
    </message>
    <message>
        <source>Hold a face of your cube in front of the camera and keep it still until it is taken.</source>
        <translation>Pon una cara de tu cubo delante de la cámara y mantenla quieta hasta que se capture.</translation>
    </message>
    <message numerus="yes">
        <source>%n of 6 faces taken. Now show the next face, any way up.</source>
        <translation>
            <numerusform>%n de 6 caras capturada. Ahora muestra la cara siguiente, en cualquier posición.</numerusform>
            <numerusform>%n de 6 caras capturadas. Ahora muestra la cara siguiente, en cualquier posición.</numerusform>
        </translation>
    </message>
    <message>
        <source>All six faces are taken.</source>
        <translation>Las seis caras están capturadas.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::SolveForm</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Paint Box</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>G&amp;irar</translation>
    </message>
    <message>
        <source>&amp;Next --&gt;</source>
        <translation>&amp;Siguiente --&gt;</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Apply the drawing size</source>
        <translation>Aplicar el tamaño del dibujo</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>W</source>
        <translation>An</translation>
    </message>
    <message>
        <source>SH</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>EH</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Scale height</source>
        <translation>Escala vertical</translation>
    </message>
    <message>
        <source>Scale width</source>
        <translation>Escala horizontal</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animación</translation>
    </message>
    <message>
        <source>&amp;Detail</source>
        <translation>&amp;Fluidez</translation>
    </message>
    <message>
        <source>&amp;2 Frames</source>
        <translation>&amp;2 fotogramas</translation>
    </message>
    <message>
        <source>&amp;4 Frames</source>
        <translation>&amp;4 fotogramas</translation>
    </message>
    <message>
        <source>&amp;6 Frames</source>
        <translation>&amp;6 fotogramas</translation>
    </message>
    <message>
        <source>&amp;8 Frames</source>
        <translation>&amp;8 fotogramas</translation>
    </message>
    <message>
        <source>1&amp;0 Frames</source>
        <translation>1&amp;0 fotogramas</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguna</translation>
    </message>
    <message>
        <source>&amp;1 Second</source>
        <translation>&amp;1 segundo</translation>
    </message>
    <message>
        <source>&amp;2 Seconds</source>
        <translation>&amp;2 segundos</translation>
    </message>
    <message>
        <source>&amp;3 Seconds</source>
        <translation>&amp;3 segundos</translation>
    </message>
    <message>
        <source>&amp;4 Seconds</source>
        <translation>&amp;4 segundos</translation>
    </message>
    <message>
        <source>&amp;5 Seconds</source>
        <translation>&amp;5 segundos</translation>
    </message>
    <message>
        <source>&amp;Step by Step</source>
        <translation>&amp;Paso a paso</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Quick Fill</source>
        <translation>&amp;Relleno rápido</translation>
    </message>
    <message>
        <source>&amp;Jumble</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>&amp;Rotate Button</source>
        <translation>&amp;Botón Girar</translation>
    </message>
    <message>
        <source>See &amp;Solution</source>
        <translation>&amp;Ver la solución</translation>
    </message>
    <message>
        <source>&amp;Granularity</source>
        <translation>&amp;Granularidad</translation>
    </message>
    <message>
        <source>&amp;Twips</source>
        <translation>&amp;Twips</translation>
    </message>
    <message>
        <source>&amp;Fewest Moves</source>
        <translation>Me&amp;nos movimientos</translation>
    </message>
    <message>
        <source>See Solution in Standard &amp;Notation</source>
        <translation>Ver la solución en notación e&amp;stándar</translation>
    </message>
    <message>
        <source>&amp;Copy Cube as Text</source>
        <translation>&amp;Copiar el cubo como texto</translation>
    </message>
    <message>
        <source>&amp;Enter Cube as Text...</source>
        <translation>&amp;Introducir el cubo como texto...</translation>
    </message>
    <message>
        <source>&amp;Patterns</source>
        <translation>&amp;Patrones</translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation>&amp;Damero</translation>
    </message>
    <message>
        <source>C&amp;entres</source>
        <translation>&amp;Centros</translation>
    </message>
    <message>
        <source>&amp;HI</source>
        <translation>&amp;HI</translation>
    </message>
    <message>
        <source>&amp;Diagonal Lines</source>
        <translation>&amp;Líneas diagonales</translation>
    </message>
    <message>
        <source>&amp;TTTTTT</source>
        <translation>&amp;TTTTTT</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Cubo</translation>
    </message>
    <message>
        <source>&amp;New Cube</source>
        <translation>&amp;Nuevo cubo</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Rotalo &amp;Handbook</source>
        <translation>&amp;Manual de Rotalo</translation>
    </message>
    <message>
        <source>&amp;About Rotalo</source>
        <translation>&amp;Acerca de Rotalo</translation>
    </message>
    <message>
        <source>About Rotalo</source>
        <translation>Acerca de Rotalo</translation>
    </message>
    <message>
        <source>- Click on a brush colour from the Paint Box.</source>
        <translation>- Haz clic en un color de pincel de la Paleta.</translation>
    </message>
    <message>
        <source>- Left click on the cube to colour it in.</source>
        <translation>- Clic izquierdo en el cubo para colorearlo.</translation>
    </message>
    <message>
        <source>- Right click on the cube to clear a colour.</source>
        <translation>- Clic derecho en el cubo para borrar un color.</translation>
    </message>
    <message>
        <source>- Click on an arrow head to rotate the cube.</source>
        <translation>- Haz clic en una punta de flecha para girar el cubo.</translation>
    </message>
    <message>
        <source>- Click Solve when all six sides are coloured in.</source>
        <translation>- Pulsa Resolver cuando las seis caras estén coloreadas.</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Turn the Cube</source>
        <translation>Girar el cubo</translation>
    </message>
    <message>
        <source>not coloured</source>
        <translation>sin colorear</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Stop Solving</source>
        <translation>Detener la resolución</translation>
    </message>
    <message>
        <source>New Cube</source>
        <translation>Nuevo cubo</translation>
    </message>
    <message>
        <source>The 54 digits of the cube:</source>
        <translation>Los 54 dígitos del cubo:</translation>
    </message>
    <message>
        <source>the stickers of facelets 1 to 48, then the six centres,</source>
        <translation>las pegatinas de las casillas 1 a 48 y luego los seis centros,</translation>
    </message>
    <message>
        <source>each the number of its colour in the Paint Box (1 to 6), or 0 for none.</source>
        <translation>cada una con el número de su color en la Paleta (1 a 6), o 0 si no tiene.</translation>
    </message>
    <message>
        <source>Enter Cube as Text</source>
        <translation>Introducir el cubo como texto</translation>
    </message>
    <message>
        <source>The text has %1 characters, but a cube is exactly 54 digits.</source>
        <translation>El texto no tiene 54 caracteres sino %1: un cubo son exactamente 54 dígitos.</translation>
    </message>
    <message>
        <source>Character %1, &quot;%2&quot;, is not a digit from 0 to 6.</source>
        <translation>El carácter %1, «%2», no es un dígito del 0 al 6.</translation>
    </message>
    <message>
        <source>Quick Fill</source>
        <translation>Relleno rápido</translation>
    </message>
    <message>
        <source>Jumble</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Which side?</source>
        <translation>¿Qué cara?</translation>
    </message>
    <message>
        <source>Please give the side as a number from 1 to 6.</source>
        <translation>Indica la cara con un número del 1 al 6.</translation>
    </message>
    <message>
        <source>1 is the top, 6 the bottom, and 2, 3, 4, 5 the sides round the cube.</source>
        <translation>1 es la cara de arriba, 6 la de abajo, y 2, 3, 4, 5 las caras alrededor del cubo.</translation>
    </message>
    <message>
        <source>Which way?</source>
        <translation>¿En qué sentido?</translation>
    </message>
    <message>
        <source>Please give the number of quarter turns from -3 to 3, but not 0.</source>
        <translation>Indica el número de cuartos de vuelta, de -3 a 3, pero no 0.</translation>
    </message>
    <message>
        <source>1 turns the side clockwise, -1 anticlockwise, 2 half way round.</source>
        <translation>1 gira la cara en sentido horario, -1 en sentido antihorario, 2 media vuelta.</translation>
    </message>
    <message>
        <source>Turn a Side</source>
        <translation>Girar una cara</translation>
    </message>
    <message>
        <source>H and W are the size of the drawing in pixels: please give numbers from 1 to %1.</source>
        <translation>Al y An son el tamaño del dibujo en píxeles: indica números del 1 al %1.</translation>
    </message>
    <message>
        <source>SH and SW are the drawing units across the drawing: please give numbers from 1 to %1.</source>
        <translation>EV y EH son las unidades de dibujo a lo alto y a lo ancho del dibujo: indica números del 1 al %1.</translation>
    </message>
    <message>
        <source>Twips: </source>
        <translation>Twips: </translation>
    </message>
    <message>
        <source>Actual: </source>
        <translation>Real: </translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Escala: </translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>It is impossible to solve your cube just by turning the sides.</source>
        <translation>Es imposible resolver tu cubo solo girando las caras.</translation>
    </message>
    <message>
        <source>It has been taken apart and put back together incorrectly</source>
        <translation>En algún momento se desmontó y se volvió a montar</translation>
    </message>
    <message>
        <source>at some stage.</source>
        <translation>de forma incorrecta.</translation>
    </message>
    <message>
        <source>Follow the instructions on screen to fix it.</source>
        <translation>Sigue las instrucciones de la pantalla para arreglarlo.</translation>
    </message>
    <message>
        <source>Twist the top face around like this.</source>
        <translation>Gira la cara superior así.</translation>
    </message>
    <message>
        <source>Take out the %1 and %2 piece.</source>
        <translation>Saca la pieza de colores %1 y %2.</translation>
    </message>
    <message>
        <source>anticlockwise</source>
        <translation>en sentido antihorario</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>en sentido horario</translation>
    </message>
    <message>
        <source>Take out the %1, %2 and %3 piece, turn it %4, and put it back in.</source>
        <translation>Saca la pieza de colores %1, %2 y %3, gírala %4 y vuelve a colocarla.</translation>
    </message>
    <message>
        <source>back in</source>
        <translation>de nuevo en su sitio</translation>
    </message>
    <message>
        <source>in the hole at the front</source>
        <translation>en el hueco de delante</translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece in the hole on the right, with the %1 side on top.</source>
        <translation>Coloca la pieza de colores %1 y %2 en el hueco de la derecha, con el lado %1 arriba.</translation>
    </message>
    <message>
        <source>Put the %1 and %2 piece %3, with the %1 side on top.</source>
        <translation>Coloca la pieza de colores %1 y %2 %3, con el lado %1 arriba.</translation>
    </message>
    <message>
        <source>Twist your cube back like this.</source>
        <translation>Gira tu cubo así para devolverlo a su posición.</translation>
    </message>
    <message>
        <source>&amp;Next Move</source>
        <translation>&amp;Siguiente movimiento</translation>
    </message>
    <message numerus="yes">
        <source>Your cube has now been solved in %n moves.</source>
        <translation>
            <numerusform>Tu cubo ya está resuelto en %n movimiento.</numerusform>
            <numerusform>Tu cubo ya está resuelto en %n movimientos.</numerusform>
        </translation>
    </message>
    <message>
        <source>You can change how fast the cube turns, and the delay between moves using the Animation menu at any time.</source>
        <translation>Puedes cambiar en cualquier momento la velocidad de giro del cubo y la espera entre movimientos en el menú Animación.</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>¡Adelante!</translation>
    </message>
    <message>
        <source>Solving...</source>
        <translation>Resolviendo...</translation>
    </message>
    <message>
        <source>Solving top layer...</source>
        <translation>Resolviendo la capa superior...</translation>
    </message>
    <message>
        <source>The top layer is now complete.</source>
        <translation>La capa superior ya está completa.</translation>
    </message>
    <message>
        <source>Solving middle layer...</source>
        <translation>Resolviendo la capa intermedia...</translation>
    </message>
    <message>
        <source>The middle layer is now complete.</source>
        <translation>La capa intermedia ya está completa.</translation>
    </message>
    <message>
        <source>Solving bottom layer...</source>
        <translation>Resolviendo la capa inferior...</translation>
    </message>
    <message>
        <source>Congratulations!  Your whole cube is now complete.</source>
        <translation>¡Enhorabuena!  Tu cubo ya está completamente resuelto.</translation>
    </message>
    <message>
        <source>Use the Patterns menu to apply patterns to your cube.</source>
        <translation>Usa el menú Patrones para poner patrones en tu cubo.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Use the Patterns menu again to remove the pattern.</source>
        <translation>Usa otra vez el menú Patrones para quitar el patrón.</translation>
    </message>
    <message>
        <source>(top layer done)</source>
        <translation>(capa superior hecha)</translation>
    </message>
    <message>
        <source>(middle layer done)</source>
        <translation>(capa intermedia hecha)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Sc&amp;an Cube...</source>
        <translation>Escane&amp;ar el cubo...</translation>
    </message>
    <message numerus="yes">
        <source>%n stickers are left to paint.</source>
        <translation>
            <numerusform>Queda %n pegatina por pintar.</numerusform>
            <numerusform>Quedan %n pegatinas por pintar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Scan Cube</source>
        <translation>Escanear el cubo</translation>
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
        <translation>Un cubo resuelto</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>September 1998</source>
        <translation>Septiembre de 1998</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Welcome to Rotalo!</source>
        <translation>¡Te damos la bienvenida a Rotalo!</translation>
    </message>
    <message>
        <source>You must have a screen size of at least 800 x 600 to run Rotalo</source>
        <translation>Para usar Rotalo necesitas un tamaño de pantalla de al menos 800 x 600</translation>
    </message>
    <message>
        <source>To change your screen size, use the display settings of your desktop.</source>
        <translation>Para cambiar el tamaño de pantalla, usa la configuración de pantalla de tu escritorio.</translation>
    </message>
</context>
<context>
    <name>rotalo::ui::Texts</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
