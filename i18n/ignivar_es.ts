<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Birthplace:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>a Debian build machine</source>
        <translation>una máquina Debian</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Nacido:</translation>
    </message>
    <message>
        <source>8 December 2026</source>
        <translation>8 de diciembre de 2026</translation>
    </message>
    <message>
        <source>Occupation:</source>
        <translation>Oficio:</translation>
    </message>
    <message>
        <source>simulator makers</source>
        <translation>creadores de simuladores</translation>
    </message>
    <message>
        <source>Hobby:</source>
        <translation>Afición:</translation>
    </message>
    <message>
        <source>putting out LCD fires</source>
        <translation>apagar fuegos de LCD</translation>
    </message>
    <message>
        <source>About the author...</source>
        <translation>Acerca de los autores...</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
</context>
<context>
    <name>Clips</name>
    <message>
        <source>the clip exporter %1 could not be loaded: %2</source>
        <translation>no se pudo cargar el exportador de clips %1: %2</translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation>se canceló</translation>
    </message>
    <message>
        <source>at zoom %1 the clip&apos;s frames would need more memory than a skin may take</source>
        <translation>con zoom %1, los fotogramas del clip necesitarían más memoria de la que puede ocupar una apariencia</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the zoom is 1 to 4</source>
        <translation>el zoom va de 1 a 4</translation>
    </message>
    <message>
        <source>the frame rate is 1 to 60 frames a second</source>
        <translation>la velocidad va de 1 a 60 fotogramas por segundo</translation>
    </message>
    <message>
        <source>the clip&apos;s filters</source>
        <translation>los filtros del clip</translation>
    </message>
    <message>
        <source>out of memory for a frame</source>
        <translation>no queda memoria para un fotograma</translation>
    </message>
    <message>
        <source>the GIF&apos;s colours</source>
        <translation>los colores del GIF</translation>
    </message>
    <message>
        <source>the replay does not prove its game: %1</source>
        <translation>la repetición no demuestra su partida: %1</translation>
    </message>
    <message>
        <source>%1 is the replay itself, so no clip is written over it</source>
        <translation>%1 es la propia repetición, así que no se escribe ningún clip encima</translation>
    </message>
    <message>
        <source>%1 is there already and is no clip, so it is not written over</source>
        <translation>%1 ya existe y no es un clip, así que no se sobrescribe</translation>
    </message>
    <message>
        <source>%1 is %2, so no clip is written there</source>
        <translation>%1 es %2, así que no se escribe ningún clip ahí</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>no palette for the GIF</source>
        <translation>no hay paleta para el GIF</translation>
    </message>
    <message>
        <source>the GIF&apos;s palette</source>
        <translation>la paleta del GIF</translation>
    </message>
    <message>
        <source>this FFmpeg has no %1 encoder</source>
        <translation>este FFmpeg no tiene codificador %1</translation>
    </message>
    <message>
        <source>there is not enough memory for the %1 encoder</source>
        <translation>no hay memoria suficiente para el codificador %1</translation>
    </message>
    <message>
        <source>cannot start the %1 encoder</source>
        <translation>no se puede iniciar el codificador %1</translation>
    </message>
    <message>
        <source>cannot encode the clip</source>
        <translation>no se puede codificar el clip</translation>
    </message>
    <message>
        <source>out of memory for sound</source>
        <translation>no queda memoria para el sonido</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>The whole unit, or its LCD alone filling the picture.</source>
        <translation>La consola entera, o solo su pantalla LCD llenando la imagen.</translation>
    </message>
    <message>
        <source>Whole unit</source>
        <translation>Consola entera</translation>
    </message>
    <message>
        <source>LCD only</source>
        <translation>Solo la LCD</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>The unit drawn at one to four times its size, from pictures drawn for that size.</source>
        <translation>La consola dibujada de una a cuatro veces su tamaño, con imágenes hechas para ese tamaño.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>What shows around the unit&apos;s case: the skin&apos;s backdrop or its colour.</source>
        <translation>Lo que se ve alrededor de la carcasa: el fondo de la apariencia o su color.</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Plain colour</source>
        <translation>Color liso</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>The unit&apos;s five sound effects.</source>
        <translation>Los cinco efectos de sonido de la consola.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>Los sonidos siguen a las llamas</translation>
    </message>
    <message>
        <source>A flame&apos;s, a miss&apos;s and the water&apos;s sound panned to its lane: left, middle or right.</source>
        <translation>El sonido de una llama, de un fallo y del agua sale de su carril: izquierda, centro o derecha.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>The time the watch shows.</source>
        <translation>La hora que muestra el reloj.</translation>
    </message>
    <message>
        <source>Local time (as the desktop program)</source>
        <translation>Hora local (como el programa de escritorio)</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>LCD look</source>
        <translation>Aspecto de la LCD</translation>
    </message>
    <message>
        <source>Exact: segments switch at once. Real: they darken and clear as liquid crystal does and cast a shadow on the glass&apos;s back.</source>
        <translation>Exacto: los segmentos cambian al instante. Real: se oscurecen y aclaran como el cristal líquido y dan sombra en el fondo del cristal.</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Unlit segments</source>
        <translation>Segmentos inactivos</translation>
    </message>
    <message>
        <source>How strongly segments show while unlit.</source>
        <translation>Cuánto se ven los segmentos mientras están inactivos.</translation>
    </message>
    <message>
        <source>As the face shows them</source>
        <translation>Como en el frontal</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ocultos</translation>
    </message>
    <message>
        <source>Faint</source>
        <translation>Tenues</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibles</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Nítidos</translation>
    </message>
    <message>
        <source>Audio rate</source>
        <translation>Frecuencia de audio</translation>
    </message>
    <message>
        <source>Frames of sound a second (the front end may need a restart).</source>
        <translation>Muestras de sonido por segundo (puede que el frontend deba reiniciarse).</translation>
    </message>
    <message>
        <source>44.1 kHz</source>
        <translation>44,1 kHz</translation>
    </message>
    <message>
        <source>48 kHz</source>
        <translation>48 kHz</translation>
    </message>
</context>
<context>
    <name>Face</name>
    <message>
        <source>All segments shown</source>
        <translation>Todos los segmentos a la vista</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chronograph</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>Game A, ready</source>
        <translation>Juego A, listo</translation>
    </message>
    <message>
        <source>Game B, ready</source>
        <translation>Juego B, listo</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Juego A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Juego B</translation>
    </message>
    <message>
        <source>Game B over</source>
        <translation>Juego B terminado</translation>
    </message>
    <message>
        <source>Game A over</source>
        <translation>Juego A terminado</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>1 miss</source>
        <translation>1 fallo</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 fallos</translation>
    </message>
    <message>
        <source>hero in lane %1</source>
        <translation>bombero en el carril %1</translation>
    </message>
    <message>
        <source>hero at the house</source>
        <translation>bombero en la casa</translation>
    </message>
    <message>
        <source>water %1</source>
        <translation>agua %1</translation>
    </message>
    <message>
        <source>flame in lane %1 at the hero&apos;s row</source>
        <translation>llama en el carril %1 en la fila del bombero</translation>
    </message>
    <message>
        <source>flame in lane %1 %2 away</source>
        <translation>llama en el carril %1 a %2 filas</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>Game B started</source>
        <translation>Juego B empezado</translation>
    </message>
    <message>
        <source>Game A started</source>
        <translation>Juego A empezado</translation>
    </message>
    <message>
        <source>Miss %1 of 3</source>
        <translation>Fallo %1 de 3</translation>
    </message>
    <message>
        <source>Game over, %1 points, the best so far</source>
        <translation>Fin de la partida, %1 puntos, el mejor hasta ahora</translation>
    </message>
    <message>
        <source>Game over, %1 points</source>
        <translation>Fin de la partida, %1 puntos</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large (%2 bytes; at most %3 are read)</source>
        <translation>«%1» es demasiado grande (%2 bytes; se leen como mucho %3)</translation>
    </message>
    <message>
        <source>a link that leads nowhere</source>
        <translation>un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un enlace a %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is in the way of a folder</source>
        <translation>%1 ocupa el lugar de una carpeta</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, so it is not written</source>
        <translation>%1 es %2, así que no se escribe</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
</context>
<context>
    <name>Gamepad</name>
    <message>
        <source>line %1: no &apos;=&apos; in %2</source>
        <translation>línea %1: no hay «=» en %2</translation>
    </message>
    <message>
        <source>line %1: %2 takes yes or no, not %3</source>
        <translation>línea %1: %2 admite yes o no, no %3</translation>
    </message>
    <message>
        <source>line %1: %2 is no gamepad input</source>
        <translation>línea %1: %2 no es una entrada del mando</translation>
    </message>
    <message>
        <source>line %1: %2 is no button of the unit</source>
        <translation>línea %1: %2 no es un botón de la consola</translation>
    </message>
    <message>
        <source>%1 is %2, so the default mapping is used</source>
        <translation>%1 es %2, así que se usa la asignación predeterminada</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>click or press %1 to start game A</source>
        <translation>haga clic o pulse %1 para empezar el juego A</translation>
    </message>
    <message>
        <source>click or press %1 to start game B</source>
        <translation>haga clic o pulse %1 para empezar el juego B</translation>
    </message>
    <message>
        <source>click or press %1 to switch mode</source>
        <translation>haga clic o pulse %1 para cambiar de modo</translation>
    </message>
    <message>
        <source>click or press %1</source>
        <translation>haga clic o pulse %1</translation>
    </message>
    <message>
        <source>click to start game A</source>
        <translation>haga clic para empezar el juego A</translation>
    </message>
    <message>
        <source>click to start game B</source>
        <translation>haga clic para empezar el juego B</translation>
    </message>
    <message>
        <source>click to switch mode</source>
        <translation>haga clic para cambiar de modo</translation>
    </message>
    <message>
        <source>click</source>
        <translation>haga clic</translation>
    </message>
    <message>
        <source>button disabled</source>
        <translation>botón desactivado</translation>
    </message>
</context>
<context>
    <name>KeySettings</name>
    <message>
        <source>Main operations</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Game controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Juego A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Juego B</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Shoot (left)</source>
        <translation>Disparo (izq.)</translation>
    </message>
    <message>
        <source>Shoot (right)</source>
        <translation>Disparo (der.)</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Configuración de teclas</translation>
    </message>
    <message>
        <source>- ACCEPT -</source>
        <translation>- ACEPTAR -</translation>
    </message>
    <message>
        <source>&lt;UP ARROW&gt;</source>
        <translation>&lt;ARRIBA&gt;</translation>
    </message>
    <message>
        <source>&lt;DOWN ARROW&gt;</source>
        <translation>&lt;ABAJO&gt;</translation>
    </message>
    <message>
        <source>&lt;LEFT ARROW&gt;</source>
        <translation>&lt;IZQUIERDA&gt;</translation>
    </message>
    <message>
        <source>&lt;RIGHT ARROW&gt;</source>
        <translation>&lt;DERECHA&gt;</translation>
    </message>
    <message>
        <source>&lt;ALT&gt;</source>
        <translation>&lt;ALT&gt;</translation>
    </message>
    <message>
        <source>&lt;CTRL&gt;</source>
        <translation>&lt;CTRL&gt;</translation>
    </message>
    <message>
        <source>&lt;SHIFT&gt;</source>
        <translation>&lt;MAYÚS&gt;</translation>
    </message>
    <message>
        <source>&lt;SPACEBAR&gt;</source>
        <translation>&lt;ESPACIO&gt;</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>There is not enough memory to load the manual&apos;s pages</source>
        <translation>No hay memoria suficiente para cargar las páginas del manual</translation>
    </message>
</context>
<context>
    <name>ManualPages</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>IGNIVAR is a pocket game and a watch in one.
A fire imp at the top of the screen throws flames down three lanes towards the house you guard. Move the firefighter under a flame and shoot water to put it out.
When no game is running, the unit shows the time.</source>
        <translation>IGNIVAR es un juego de bolsillo y un reloj a la vez.
Un diablillo de fuego, arriba en la pantalla, lanza llamas por tres carriles hacia la casa que vigilas. Pon al bombero bajo una llama y dispara agua para apagarla.
Cuando no hay partida, la consola muestra la hora.</translation>
    </message>
    <message>
        <source>Buttons and keys</source>
        <translation>Botones y teclas</translation>
    </message>
    <message>
        <source>GAME A  -  key 1        GAME B  -  key 2
TIME  -  key 3
LEFT / RIGHT  -  left and right arrow keys
SHOOT (left)  -  Ctrl        SHOOT (right)  -  Alt
SET has no use on this unit.
You can also click the pictured buttons with the left mouse button. Keys can be changed under Key settings.</source>
        <translation>GAME A  -  tecla 1        GAME B  -  tecla 2
TIME  -  tecla 3
IZQUIERDA / DERECHA  -  flechas izquierda y derecha
SHOOT (izquierda)  -  Ctrl        SHOOT (derecha)  -  Alt
SET no se usa en esta consola.
También puedes hacer clic en los botones dibujados con el botón izquierdo del ratón. Las teclas se cambian en Configuración de teclas.</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>Empezar una partida</translation>
    </message>
    <message>
        <source>Hold GAME A or GAME B: the best score of that game shows.
Let go and the game begins with a fanfare. The three water tanks empty one by one; then the firefighter steps under the left lane and the first flame comes.</source>
        <translation>Mantén pulsado GAME A o GAME B: aparece el récord de ese juego.
Suelta y la partida empieza con una fanfarria. Los tres depósitos de agua se vacían uno a uno; luego el bombero se pone bajo el carril izquierdo y llega la primera llama.</translation>
    </message>
    <message>
        <source>Game A and game B</source>
        <translation>Juego A y juego B</translation>
    </message>
    <message>
        <source>Both games play by the same rules.
Game B is faster from the start, and between 40 and 490 points it allows three flames at a time where game A allows two.
Above 500 points both games allow up to five flames.</source>
        <translation>Los dos juegos tienen las mismas reglas.
El juego B es más rápido desde el principio y, entre 40 y 490 puntos, permite tres llamas a la vez donde el juego A permite dos.
A partir de 500 puntos, los dos juegos permiten hasta cinco llamas.</translation>
    </message>
    <message>
        <source>Putting out flames</source>
        <translation>Apagar las llamas</translation>
    </message>
    <message>
        <source>Each press of a SHOOT button sends one jet of water up the firefighter&apos;s lane. It puts out the nearest flame there: 10 points.
Flames stand still while the water rises, and the firefighter may keep moving. Hold no button down: each shot needs a new press.</source>
        <translation>Cada pulsación de un botón SHOOT lanza un chorro de agua por el carril del bombero. Apaga la llama más cercana: 10 puntos.
Las llamas se quedan quietas mientras sube el agua, y el bombero puede seguir moviéndose. No mantengas ningún botón: cada disparo necesita una nueva pulsación.</translation>
    </message>
    <message>
        <source>Every 1000 points</source>
        <translation>Cada 1000 puntos</translation>
    </message>
    <message>
        <source>At every 1000 points the screen clears for a short break: the tanks fill and empty again.
Then play goes on at the slowest speed with one flame at a time, and grows faster again towards the next thousand.</source>
        <translation>Cada 1000 puntos la pantalla se vacía para una breve pausa: los depósitos se llenan y se vacían otra vez.
Luego el juego sigue a la velocidad más lenta, con una llama a la vez, y vuelve a acelerar hasta el siguiente millar.</translation>
    </message>
    <message>
        <source>Misses and game over</source>
        <translation>Fallos y fin de la partida</translation>
    </message>
    <message>
        <source>A flame that stays in the bottom row sets the house on fire: a miss. The row is cleared and a miss mark appears.
The third miss ends the game. A better score than the best so far is kept, even after the program is closed. The last picture stays for 30 seconds.</source>
        <translation>Una llama que se queda en la fila de abajo prende fuego a la casa: un fallo. La fila se vacía y aparece una marca de fallo.
El tercer fallo termina la partida. Una puntuación mejor que el récord se guarda, incluso al cerrar el programa. La última imagen se queda 30 segundos.</translation>
    </message>
    <message>
        <source>Playing without sound</source>
        <translation>Jugar sin sonido</translation>
    </message>
    <message>
        <source>While you hold GAME A or GAME B, press LEFT: the speaker mark goes out.
That game then plays silently, and it starts sooner.
The next game has its sound again.</source>
        <translation>Mientras mantienes GAME A o GAME B, pulsa IZQUIERDA: se apaga la marca del altavoz.
Esa partida se juega en silencio y empieza antes.
La siguiente partida vuelve a tener sonido.</translation>
    </message>
    <message>
        <source>The watch</source>
        <translation>El reloj</translation>
    </message>
    <message>
        <source>TIME steps through five faces:
TIME 1 and TIME 2 - the time of day, with AM or PM.
ALARM - the alarm time, 12:00 AM.
DATE - month and day.
CHRONO - the chronograph at 00:00.
When switched on, every mark lights for 30 seconds, then the time shows.</source>
        <translation>TIME recorre cinco pantallas:
TIME 1 y TIME 2 - la hora, con AM o PM.
ALARM - la hora de la alarma, 12:00 AM.
DATE - el mes y el día.
CHRONO - el cronómetro en 00:00.
Al encender, todas las marcas se iluminan 30 segundos y luego aparece la hora.</translation>
    </message>
    <message>
        <source>The menu</source>
        <translation>El menú</translation>
    </message>
    <message>
        <source>Click the unit with the right mouse button for the menu: About (F1), Readme (F2), What&apos;s new (F3), this manual (F4), the configuration file, Key settings, Reset Hiscores, full screen (F12), the splash screen at start, and Exit (Esc).
Drag the unit with the left mouse button to move it.</source>
        <translation>Haz clic derecho en la consola para abrir el menú: Acerca de (F1), Readme (F2), Novedades (F3), este manual (F4), el archivo de configuración, Configuración de teclas, Borrar los récords, pantalla completa (F12), la ventana de bienvenida y Salir (Esc).
Arrastra la consola con el botón izquierdo para moverla.</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Configuración de teclas</translation>
    </message>
    <message>
        <source>Key settings lets you choose a key for each of the seven buttons from the digits, letters, arrow keys, Alt, Ctrl, Shift and the space bar.
Two buttons cannot share a key. The choice is kept for the next time.

Have fun, and keep the house safe!</source>
        <translation>En Configuración de teclas eliges una tecla para cada uno de los siete botones entre los dígitos, las letras, las flechas, Alt, Ctrl, Mayús y la barra espaciadora.
Dos botones no pueden compartir tecla. La elección se guarda para la próxima vez.

¡Diviértete y protege la casa!</translation>
    </message>
    <message>
        <source>Fire · Water · Watch  -  Instructions</source>
        <translation>Fuego · Agua · Reloj  -  Instrucciones</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Exact</source>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>View &apos;Readme.txt&apos;</source>
        <translation>Ver &apos;Readme.txt&apos;</translation>
    </message>
    <message>
        <source>View &apos;Whatsnew.txt&apos;</source>
        <translation>Ver &apos;Whatsnew.txt&apos;</translation>
    </message>
    <message>
        <source>View manual</source>
        <translation>Ver el manual</translation>
    </message>
    <message>
        <source>Edit configuration file</source>
        <translation>Editar el archivo de configuración</translation>
    </message>
    <message>
        <source>Key settings</source>
        <translation>Configuración de teclas</translation>
    </message>
    <message>
        <source>Reset Hiscores</source>
        <translation>Borrar los récords</translation>
    </message>
    <message>
        <source>Display in fullscreen mode</source>
        <translation>Mostrar a pantalla completa</translation>
    </message>
    <message>
        <source>Display splash screen at startup</source>
        <translation>Mostrar la ventana de bienvenida al arrancar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause when the window loses the keyboard</source>
        <translation>Pausa cuando la ventana pierde el teclado</translation>
    </message>
    <message>
        <source>Quick save</source>
        <translation>Guardado rápido</translation>
    </message>
    <message>
        <source>Quick load</source>
        <translation>Carga rápida</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Rebobinar</translation>
    </message>
    <message>
        <source>Resume where I left off</source>
        <translation>Seguir donde lo dejé</translation>
    </message>
    <message>
        <source>Replays and high scores...</source>
        <translation>Repeticiones y récords...</translation>
    </message>
    <message>
        <source>Save a screenshot</source>
        <translation>Guardar una captura de pantalla</translation>
    </message>
    <message>
        <source>Stop the replay</source>
        <translation>Detener la repetición</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume 100 %</source>
        <translation>Volumen 100 %</translation>
    </message>
    <message>
        <source>Volume 75 %</source>
        <translation>Volumen 75 %</translation>
    </message>
    <message>
        <source>Volume 50 %</source>
        <translation>Volumen 50 %</translation>
    </message>
    <message>
        <source>Volume 25 %</source>
        <translation>Volumen 25 %</translation>
    </message>
    <message>
        <source>Sounds follow the flames</source>
        <translation>Los sonidos siguen a las llamas</translation>
    </message>
    <message>
        <source>Fit the screen</source>
        <translation>Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>1x</source>
        <translation>1x</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>3x</source>
        <translation>3x</translation>
    </message>
    <message>
        <source>4x</source>
        <translation>4x</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Unlit segments as the face shows them</source>
        <translation>Segmentos inactivos como en el frontal</translation>
    </message>
    <message>
        <source>Unlit segments hidden</source>
        <translation>Segmentos inactivos ocultos</translation>
    </message>
    <message>
        <source>Unlit segments faint</source>
        <translation>Segmentos inactivos tenues</translation>
    </message>
    <message>
        <source>Unlit segments visible</source>
        <translation>Segmentos inactivos visibles</translation>
    </message>
    <message>
        <source>Unlit segments clear</source>
        <translation>Segmentos inactivos nítidos</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Open the menu (or Shift+F10)</source>
        <translation>Abrir el menú (o Mayús+F10)</translation>
    </message>
    <message>
        <source>Read the face aloud (screen reader)</source>
        <translation>Leer la pantalla en voz alta (lector de pantalla)</translation>
    </message>
    <message>
        <source>Replay faster</source>
        <translation>Repetición más rápida</translation>
    </message>
    <message>
        <source>Replay slower</source>
        <translation>Repetición más lenta</translation>
    </message>
    <message>
        <source>Replay: step to the next change</source>
        <translation>Repetición: hasta el siguiente cambio</translation>
    </message>
    <message>
        <source>%1: hold %2</source>
        <translation>%1: mantener %2</translation>
    </message>
    <message>
        <source>%1 is the program&apos;s own key: %2</source>
        <translation>%1 es una tecla del programa: %2</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The game kept from the last run cannot be resumed:
%1
The file is left as it is.</source>
        <translation>La partida guardada de la última vez no puede continuar:
%1
El archivo se deja como está.</translation>
    </message>
    <message>
        <source>A setting could not be stored, so it will be lost when the program ends:
%1</source>
        <translation>No se pudo guardar un ajuste; se perderá al cerrar el programa:
%1</translation>
    </message>
    <message>
        <source>The screenshot could not be saved:
%1</source>
        <translation>No se pudo guardar la captura de pantalla:
%1</translation>
    </message>
    <message>
        <source>%1
The shipped skin is used instead.</source>
        <translation>%1
Se usa en su lugar la apariencia incluida.</translation>
    </message>
    <message>
        <source>No program on this desktop could open the file
%1</source>
        <translation>Ningún programa de este escritorio pudo abrir el archivo
%1</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1</source>
        <translation>No se pudo leer el archivo de ajustes: %1</translation>
    </message>
    <message>
        <source>Parts of the gamepad mapping could not be understood and are left out:

%1</source>
        <translation>Partes de la asignación del mando no se entienden y se omiten:

%1</translation>
    </message>
    <message>
        <source>The replay cannot be played:
%1</source>
        <translation>No se puede reproducir la repetición:
%1</translation>
    </message>
    <message>
        <source>The clip could not be exported:
%1</source>
        <translation>No se pudo exportar el clip:
%1</translation>
    </message>
    <message>
        <source>The clip is saved as
%1</source>
        <translation>El clip se guardó como
%1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>BMP image data is truncated</source>
        <translation>Los datos de imagen del BMP están cortados</translation>
    </message>
    <message>
        <source>Not a BMP file</source>
        <translation>No es un archivo BMP</translation>
    </message>
    <message>
        <source>BMP header is truncated or invalid</source>
        <translation>La cabecera del BMP está cortada o no es válida</translation>
    </message>
    <message>
        <source>BMP picture has no pixels</source>
        <translation>La imagen BMP no tiene píxeles</translation>
    </message>
    <message>
        <source>Unsupported BMP compression (%1)</source>
        <translation>Compresión BMP no admitida (%1)</translation>
    </message>
    <message>
        <source>BMP compression does not match its bits per pixel</source>
        <translation>La compresión del BMP no corresponde a sus bits por píxel</translation>
    </message>
    <message>
        <source>A compressed BMP cannot be top-down</source>
        <translation>Un BMP comprimido no puede guardarse de arriba abajo</translation>
    </message>
    <message>
        <source>Unsupported BMP bits per pixel (%1)</source>
        <translation>Bits por píxel del BMP no admitidos (%1)</translation>
    </message>
    <message>
        <source>BMP colour masks are missing</source>
        <translation>Faltan las máscaras de color del BMP</translation>
    </message>
    <message>
        <source>BMP palette is truncated</source>
        <translation>La paleta del BMP está cortada</translation>
    </message>
    <message>
        <source>BMP header promises more data than the file holds</source>
        <translation>La cabecera del BMP promete más datos de los que tiene el archivo</translation>
    </message>
    <message>
        <source>BMP image data is missing</source>
        <translation>Faltan los datos de imagen del BMP</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
    <message>
        <source>%1 picture is too large (%2 x %3 pixels; at most %4 a side)</source>
        <translation>La imagen %1 es demasiado grande (%2 x %3 píxeles; como mucho %4 por lado)</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: no se puede escribir</translation>
    </message>
    <message>
        <source>it would need more memory than is left for pictures</source>
        <translation>necesitaría más memoria de la que queda para imágenes</translation>
    </message>
    <message>
        <source>%1: the pictures would need more than %2 MiB of memory, so loading stops here</source>
        <translation>%1: las imágenes necesitarían más de %2 MiB de memoria, así que la carga se detiene aquí</translation>
    </message>
    <message>
        <source>%1: there is not enough memory to load this picture</source>
        <translation>%1: no hay memoria suficiente para cargar esta imagen</translation>
    </message>
    <message>
        <source>PNG chunk &quot;%1&quot; runs past the end of the file</source>
        <translation>El bloque PNG «%1» pasa del final del archivo</translation>
    </message>
    <message>
        <source>PNG header promises more data than the file holds</source>
        <translation>La cabecera del PNG promete más datos de los que tiene el archivo</translation>
    </message>
    <message>
        <source>JPEG header promises more pixels than the file holds</source>
        <translation>La cabecera del JPEG promete más píxeles de los que tiene el archivo</translation>
    </message>
    <message>
        <source>%1: cannot be written as PNG</source>
        <translation>%1: no se puede escribir como PNG</translation>
    </message>
    <message>
        <source>%1 file is too large</source>
        <translation>El archivo %1 es demasiado grande</translation>
    </message>
    <message>
        <source>PNG chunk runs past the end of the file</source>
        <translation>Un bloque PNG pasa del final del archivo</translation>
    </message>
    <message>
        <source>%1: this build writes no pictures</source>
        <translation>%1: esta versión del programa no escribe imágenes</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>it does not start at the beginning of a game %1</source>
        <translation>no empieza al principio de un juego %1</translation>
    </message>
    <message>
        <source>its start is no moment of a unit: %1</source>
        <translation>su inicio no es un momento de una consola: %1</translation>
    </message>
    <message>
        <source>it does not start in a game %1</source>
        <translation>no empieza en un juego %1</translation>
    </message>
    <message>
        <source>it does not begin by letting go of the game button</source>
        <translation>no empieza soltando el botón del juego</translation>
    </message>
    <message>
        <source>its start is not in base64</source>
        <translation>su inicio no está en base64</translation>
    </message>
    <message>
        <source>a step is not a press or release in time order</source>
        <translation>un paso no es una pulsación o liberación en orden de tiempo</translation>
    </message>
    <message>
        <source>a slip is not in time order</source>
        <translation>un salto no está en orden de tiempo</translation>
    </message>
    <message>
        <source>its end is no score and length of a game</source>
        <translation>su final no es una puntuación y duración de partida</translation>
    </message>
    <message>
        <source>it has a line that no replay has (&quot;%1&quot;)</source>
        <translation>tiene una línea que ninguna repetición tiene (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it is far larger than any replay</source>
        <translation>es mucho más grande que cualquier repetición</translation>
    </message>
    <message>
        <source>it is not a replay of Ignivar</source>
        <translation>no es una repetición de Ignivar</translation>
    </message>
    <message>
        <source>it is a replay of another version (this program reads version %1)</source>
        <translation>es una repetición de otra versión (este programa lee la versión %1)</translation>
    </message>
    <message>
        <source>it is cut short (no checksum)</source>
        <translation>está cortada (sin suma de comprobación)</translation>
    </message>
    <message>
        <source>its checksum line is damaged</source>
        <translation>su línea de suma de comprobación está dañada</translation>
    </message>
    <message>
        <source>it is damaged or was changed (its checksum does not match)</source>
        <translation>está dañada o fue cambiada (su suma de comprobación no coincide)</translation>
    </message>
    <message>
        <source>it has an empty line</source>
        <translation>tiene una línea vacía</translation>
    </message>
    <message>
        <source>it has no start</source>
        <translation>no tiene inicio</translation>
    </message>
    <message>
        <source>the recorded game did not end</source>
        <translation>la partida grabada no terminó</translation>
    </message>
    <message>
        <source>the replay&apos;s game does not end</source>
        <translation>la partida de la repetición no termina</translation>
    </message>
    <message>
        <source>the replay ends with %1 points, not the %2 it records</source>
        <translation>la repetición termina con %1 puntos, no con los %2 que registra</translation>
    </message>
    <message>
        <source>the replay&apos;s game lasts %1 ms, not the %2 it records</source>
        <translation>la partida de la repetición dura %1 ms, no los %2 que registra</translation>
    </message>
    <message>
        <source>%1 is no replay: it is %2</source>
        <translation>%1 no es una repetición: es %2</translation>
    </message>
    <message>
        <source>%1 is no replay: %2</source>
        <translation>%1 no es una repetición: %2</translation>
    </message>
    <message>
        <source>The replay could not be kept: %1</source>
        <translation>No se pudo guardar la repetición: %1</translation>
    </message>
</context>
<context>
    <name>Replays</name>
    <message>
        <source>unknown</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>not a replay: %1</source>
        <translation>no es una repetición: %1</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>sin terminar</translation>
    </message>
    <message>
        <source>not proved: %1</source>
        <translation>no demostrada: %1</translation>
    </message>
    <message>
        <source>continued from a saved game: it proves no score</source>
        <translation>continuada desde una partida guardada: no demuestra ninguna puntuación</translation>
    </message>
    <message>
        <source>proved by its replay (rewound while played)</source>
        <translation>demostrada por su repetición (rebobinada al jugar)</translation>
    </message>
    <message>
        <source>proved by its replay</source>
        <translation>demostrada por su repetición</translation>
    </message>
    <message>
        <source>MP4 (H.264, with sound)</source>
        <translation>MP4 (H.264, con sonido)</translation>
    </message>
    <message>
        <source>WebM (VP9, with sound)</source>
        <translation>WebM (VP9, con sonido)</translation>
    </message>
    <message>
        <source>GIF</source>
        <translation>GIF</translation>
    </message>
    <message>
        <source>Animated WebP</source>
        <translation>WebP animado</translation>
    </message>
    <message>
        <source>Export a clip</source>
        <translation>Exportar un clip</translation>
    </message>
    <message>
        <source>%1 frames a second</source>
        <translation>%1 fotogramas por segundo</translation>
    </message>
    <message>
        <source>The whole unit</source>
        <translation>La consola entera</translation>
    </message>
    <message>
        <source>The LCD alone</source>
        <translation>Solo la pantalla LCD</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Real: segments fade and cast shadows</source>
        <translation>Real: los segmentos se desvanecen y dan sombra</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>Fotogramas:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Aspecto:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Replays and high scores</source>
        <translation>Repeticiones y récords</translation>
    </message>
    <message>
        <source>Game A</source>
        <translation>Juego A</translation>
    </message>
    <message>
        <source>Game B</source>
        <translation>Juego B</translation>
    </message>
    <message>
        <source>Recent games</source>
        <translation>Partidas recientes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Export a clip...</source>
        <translation>Exportar un clip...</translation>
    </message>
    <message>
        <source>Open the folder</source>
        <translation>Abrir la carpeta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No games yet: every game played is kept here as a replay when it ends, in
%1</source>
        <translation>Aún no hay partidas: cada partida jugada se guarda aquí como repetición al terminar, en
%1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardadas en %1</translation>
    </message>
    <message>
        <source>%1 clips (*.%2)</source>
        <translation>Clips %1 (*.%2)</translation>
    </message>
    <message>
        <source>Exporting the clip...</source>
        <translation>Exportando el clip...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>it is not a saved game of Ignivar</source>
        <translation>no es una partida guardada de Ignivar</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>el archivo está cortado</translation>
    </message>
    <message>
        <source>it was saved in another format (version %1; this program reads %2)</source>
        <translation>el archivo tiene otro formato (versión %1; este programa lee la %2)</translation>
    </message>
    <message>
        <source>its length is not that of a saved game</source>
        <translation>su longitud no es la de una partida guardada</translation>
    </message>
    <message>
        <source>it has more in it than a saved game</source>
        <translation>el archivo contiene más que una partida guardada</translation>
    </message>
    <message>
        <source>it is damaged (its checksum does not match)</source>
        <translation>el archivo está dañado (su suma de comprobación no coincide)</translation>
    </message>
    <message>
        <source>it holds a moment no unit can be in</source>
        <translation>el archivo contiene un momento en que ninguna consola puede estar</translation>
    </message>
    <message>
        <source>The game could not be saved: %1</source>
        <translation>No se pudo guardar la partida: %1</translation>
    </message>
    <message>
        <source>%1 is no saved game: it is %2</source>
        <translation>%1 no es una partida guardada: es %2</translation>
    </message>
    <message>
        <source>%1 is no saved game: %2</source>
        <translation>%1 no es una partida guardada: %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the file or its folder cannot be written</source>
        <translation>no se puede escribir el archivo o su carpeta</translation>
    </message>
    <message>
        <source>the file is not a valid settings file</source>
        <translation>el archivo no es un archivo de ajustes válido</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1 is %2, so settings cannot be written; they are kept for this run only</source>
        <translation>%1 es %2, así que no se pueden escribir los ajustes; solo valen durante esta sesión</translation>
    </message>
    <message>
        <source>The settings folder&apos;s name is not valid UTF-8 (%1), so settings cannot be kept and will be lost when the program ends</source>
        <translation>El nombre de la carpeta de ajustes no es UTF-8 válido (%1), así que los ajustes no se pueden guardar y se perderán al cerrar el programa</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2), so settings cannot be kept and will be lost when the program ends</source>
        <translation>%1 no es un archivo normal (%2), así que los ajustes no se pueden guardar y se perderán al cerrar el programa</translation>
    </message>
    <message>
        <source>a folder, device or pipe</source>
        <translation>una carpeta, un dispositivo o una tubería</translation>
    </message>
    <message>
        <source>%1: %2; what cannot be read takes its default, and a copy of the file is kept as %3 before it is written</source>
        <translation>%1: %2; lo que no se puede leer toma su valor predeterminado, y se guarda una copia del archivo como %3 antes de escribirlo</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>%1 is far too large to be a settings file and cannot be moved aside</source>
        <translation>%1 es demasiado grande para ser un archivo de ajustes y no se puede apartar</translation>
    </message>
    <message>
        <source>%1 was far too large to be a settings file; it is kept as %2 and the settings start from their defaults</source>
        <translation>%1 era demasiado grande para ser un archivo de ajustes; se guarda como %2 y los ajustes empiezan con sus valores predeterminados</translation>
    </message>
    <message>
        <source>cannot save a copy of the unreadable %1 before writing it</source>
        <translation>no se puede guardar una copia del ilegible %1 antes de escribirlo</translation>
    </message>
    <message>
        <source>%1 is locked by another program (process %2), so settings cannot be written; they are kept for this run only</source>
        <translation>%1 está bloqueado por otro programa (proceso %2), así que no se pueden escribir los ajustes; solo valen durante esta sesión</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>There is not enough memory to load the skin of %1</source>
        <translation>No hay memoria suficiente para cargar la apariencia de %1</translation>
    </message>
    <message>
        <source>%1: a unit of %2 x %3 pixels would need more than %4 MiB of memory for its window, so the skin is not loaded</source>
        <translation>%1: una consola de %2 x %3 píxeles necesitaría más de %4 MiB de memoria para su ventana, así que no se carga la apariencia</translation>
    </message>
    <message>
        <source>Your own skin file cannot be used: %1</source>
        <translation>No se puede usar tu propio archivo de apariencia: %1</translation>
    </message>
    <message>
        <source>Configuration file (Config.ini) not found. Please reinstall the game.</source>
        <translation>No se encontró el archivo de configuración (Config.ini). Vuelve a instalar el juego.</translation>
    </message>
    <message>
        <source>Cannot make your own copy of Config.ini as %1: %2</source>
        <translation>No se puede crear tu propia copia de Config.ini como %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s glass %2 is missing, so unlit segments are drawn over the face as it is</source>
        <translation>%1: falta el cristal de la pantalla LCD, %2, así que los segmentos apagados se dibujan sobre el frontal tal cual</translation>
    </message>
    <message>
        <source>%1: the LCD&apos;s high-contrast face %2 is missing, so the high-contrast look shows the face as it is</source>
        <translation>%1: falta el frontal de alto contraste de la pantalla LCD, %2, así que el aspecto de alto contraste muestra el frontal tal cual</translation>
    </message>
    <message>
        <source>%1: [LCD] %2=%3 is not a whole number from %4 to %5, so %6 is used</source>
        <translation>%1: [LCD] %2=%3 no es un número entero de %4 a %5, así que se usa %6</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Sound folder unproperly installed. Please reinstall the game.</source>
        <translation>La carpeta Sound no está bien instalada. Vuelve a instalar el juego.</translation>
    </message>
    <message>
        <source>no sound output is named &quot;%1&quot;</source>
        <translation>ninguna salida de sonido se llama «%1»</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>its format chunk is cut short</source>
        <translation>su bloque de formato está cortado</translation>
    </message>
    <message>
        <source>its encoding is not PCM or float (format %1, %2 bits)</source>
        <translation>su codificación no es PCM ni de coma flotante (formato %1, %2 bits)</translation>
    </message>
    <message>
        <source>it has %1 channels (1 or 2 can be played)</source>
        <translation>tiene %1 canales (se pueden reproducir 1 o 2)</translation>
    </message>
    <message>
        <source>its rate is %1 Hz (%2 to %3 Hz can be played)</source>
        <translation>su frecuencia es de %1 Hz (se pueden reproducir de %2 a %3 Hz)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>no es un archivo WAV</translation>
    </message>
    <message>
        <source>its format chunk runs past the end of the file</source>
        <translation>su bloque de formato pasa del final del archivo</translation>
    </message>
    <message>
        <source>its samples come before their format</source>
        <translation>sus muestras vienen antes de su formato</translation>
    </message>
    <message>
        <source>it is far too long for a sound effect (%1 s)</source>
        <translation>es demasiado largo para un efecto de sonido (%1 s)</translation>
    </message>
    <message>
        <source>it has no samples</source>
        <translation>no tiene muestras</translation>
    </message>
    <message>
        <source>it has no format chunk</source>
        <translation>no tiene bloque de formato</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>website:</source>
        <translation>sitio web:</translation>
    </message>
    <message>
        <source>email:</source>
        <translation>correo:</translation>
    </message>
    <message>
        <source>Select sound driver:</source>
        <translation>Salida de sonido:</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Acerca de este juego...</translation>
    </message>
    <message>
        <source>Sound output</source>
        <translation>Salida de sonido</translation>
    </message>
    <message>
        <source>Display this splash screen at startup</source>
        <translation>Mostrar esta ventana al arrancar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Opens the donation page in the browser</source>
        <translation>Abre la página de donaciones en el navegador</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Switches the unit on</source>
        <translation>Enciende la consola</translation>
    </message>
    <message>
        <source>please select sound driver first</source>
        <translation>elija primero una salida de sonido</translation>
    </message>
    <message>
        <source>Unavailable until a sound output is chosen</source>
        <translation>No disponible hasta elegir una salida de sonido</translation>
    </message>
    <message>
        <source>Choose a sound output above, then Play</source>
        <translation>Elija arriba una salida de sonido y luego Jugar</translation>
    </message>
    <message>
        <source>Plays through the desktop&apos;s sound server (PipeWire or PulseAudio)</source>
        <translation>Suena por el servidor de sonido del escritorio (PipeWire o PulseAudio)</translation>
    </message>
    <message>
        <source>Plays through ALSA, straight to the sound card</source>
        <translation>Suena por ALSA, directo a la tarjeta de sonido</translation>
    </message>
    <message>
        <source>The unit plays silent</source>
        <translation>La consola juega en silencio</translation>
    </message>
    <message>
        <source>Made by %1, released on %2</source>
        <translation>Por %1, publicado el %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>(no sound)</source>
        <translation>(sin sonido)</translation>
    </message>
</context>
<context>
    <name>SplashPictures</name>
    <message>
        <source>Fire · Water · Watch
Pocket LCD game</source>
        <translation>Fuego · Agua · Reloj
Juego LCD de bolsillo</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
    <message>
        <source>No game to pause: a watch shows the time</source>
        <translation>No hay partida que pausar: el reloj muestra la hora</translation>
    </message>
    <message>
        <source>No game to save</source>
        <translation>No hay partida que guardar</translation>
    </message>
    <message>
        <source>Game %1 saved</source>
        <translation>Juego %1 guardado</translation>
    </message>
    <message>
        <source>No game saved yet</source>
        <translation>Aún no hay partida guardada</translation>
    </message>
    <message>
        <source>Game %1 loaded</source>
        <translation>Juego %1 cargado</translation>
    </message>
    <message>
        <source>Rewound as far as it goes</source>
        <translation>Rebobinado hasta donde se puede</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>REBOBINAR</translation>
    </message>
    <message>
        <source>PAUSED · %1 plays on</source>
        <translation>PAUSA · %1 para seguir</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <source>MUTED · %1 sounds again</source>
        <translation>SILENCIO · %1 devuelve el sonido</translation>
    </message>
    <message>
        <source>SOUND ON</source>
        <translation>SONIDO ACTIVADO</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Sin sonido: %1</translation>
    </message>
    <message>
        <source>no device to play on</source>
        <translation>ningún dispositivo para reproducirlo</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>REPLAY %1 · game %2 · %3 points</source>
        <translation>REPETICIÓN %1 · juego %2 · %3 puntos</translation>
    </message>
</context>
</TS>
