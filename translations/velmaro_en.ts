<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>AddNote</name>
    <message>
        <source>
Cambie la hora o use --force para añadirla igualmente.</source>
        <translation>
Change the time, or use --force to add it all the same.</translation>
    </message>
    <message>
        <source>el texto de la nota está vacío.</source>
        <translation>the note&apos;s text is empty.</translation>
    </message>
    <message>
        <source>la nota no se pudo añadir.</source>
        <translation>the note could not be added.</translation>
    </message>
    <message>
        <source>el texto de la nota lleva caracteres de control.</source>
        <translation>the note&apos;s text holds control characters.</translation>
    </message>
    <message>
        <source>el texto de la nota pasa de %1 caracteres.</source>
        <translation>the note&apos;s text is longer than %1 characters.</translation>
    </message>
    <message>
        <source>prioridad desconocida %1: use alta, media o baja.</source>
        <translation>unknown priority %1: use alta (high), media (medium) or baja (low).</translation>
    </message>
    <message>
        <source>fecha de alarma no válida %1: use &quot;dd/mm/aaaa hh:mm&quot;.</source>
        <translation>not a valid alarm date %1: use &quot;dd/mm/yyyy hh:mm&quot;.</translation>
    </message>
    <message>
        <source>no existe el archivo de sonido %1.</source>
        <translation>there is no sound file %1.</translation>
    </message>
</context>
<context>
    <name>AlarmRing</name>
    <message>
        <source>Alarma: %1</source>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Posponer 1 hora</source>
        <translation>Postpone 1 hour</translation>
    </message>
    <message>
        <source>Quitar alarma</source>
        <translation>Remove the alarm</translation>
    </message>
    <message numerus="yes">
        <source>Alarmas vencidas mientras Velmaro estaba cerrado: %n</source>
        <translation>
            <numerusform>%n alarm came due while Velmaro was closed</numerusform>
            <numerusform>%n alarms came due while Velmaro was closed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>1 nota</source>
        <translation>1 note</translation>
    </message>
    <message numerus="yes">
        <source>%n notas</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message>
        <source>dañada</source>
        <translation>damaged</translation>
    </message>
    <message>
        <source>Restaurada la copia del %1.</source>
        <translation>Restored the backup of %1.</translation>
    </message>
    <message>
        <source>Restaurada la copia del %1. Las notas que había se guardaron como la copia del %2.</source>
        <translation>Restored the backup of %1. The notes there were before are kept as the backup of %2.</translation>
    </message>
    <message>
        <source>no hay ninguna copia «%1».</source>
        <translation>there is no backup “%1”.</translation>
    </message>
    <message>
        <source>la copia del %1 está dañada: no se puede restaurar.</source>
        <translation>the backup of %1 is damaged: it cannot be restored.</translation>
    </message>
    <message>
        <source>no se restaura nada: %1</source>
        <translation>nothing restored: %1</translation>
    </message>
    <message>
        <source>no se restaura nada: las notas actuales no se pudieron guardar como copia (%1).</source>
        <translation>nothing restored: the current notes could not be kept as a backup (%1).</translation>
    </message>
    <message>
        <source>no se pudo restaurar la copia del %1: %2</source>
        <translation>the backup of %1 could not be restored: %2</translation>
    </message>
</context>
<context>
    <name>CommandFront</name>
    <message>
        <source>no se pudo escribir en la salida estándar: %1.</source>
        <translation>cannot write to standard output: %1.</translation>
    </message>
    <message>
        <source>Velmaro no ha terminado todavía.</source>
        <translation>Velmaro has not finished yet.</translation>
    </message>
    <message>
        <source>la alarma del %1 ya ha pasado: no sonará.</source>
        <translation>the alarm of %1 has already passed: it will not ring.</translation>
    </message>
    <message>
        <source>
Pruebe &quot;velmaro --help&quot;.</source>
        <translation>
Try &quot;velmaro --help&quot;.</translation>
    </message>
    <message>
        <source>Velmaro está en ejecución pero no responde.</source>
        <translation>Velmaro is running but does not answer.</translation>
    </message>
    <message>
        <source>No hay copias de seguridad.
</source>
        <translation>There are no backups.
</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 aparece dos veces.</source>
        <translation>%1 is given twice.</translation>
    </message>
    <message>
        <source>argumento inesperado %1.</source>
        <translation>unexpected argument %1.</translation>
    </message>
    <message>
        <source>opción desconocida %1.</source>
        <translation>unknown option %1.</translation>
    </message>
    <message>
        <source>falta el valor de %1.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>%1 no lleva valor.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>indique una sola acción (%1 y %2).</source>
        <translation>give one action only (%1 and %2).</translation>
    </message>
    <message>
        <source>&quot;--json&quot; solo sirve con &quot;--list&quot;.</source>
        <translation>&quot;--json&quot; only goes with &quot;--list&quot;.</translation>
    </message>
    <message>
        <source>%1 solo sirve con &quot;--add&quot;.</source>
        <translation>%1 only goes with &quot;--add&quot;.</translation>
    </message>
    <message>
        <source>Uso: velmaro [ACCIÓN]
Tira de notas breves con prioridades y alarmas.

Sin acción, inicia Velmaro (o avisa de que ya está en ejecución).

Acciones:
  --new-note             abre &quot;Nueva Nota&quot; (inicia Velmaro si hace falta)
  --toggle               oculta o muestra la tira (inicia Velmaro si hace falta)
  --show                 muestra la tira (inicia Velmaro si hace falta)
  --hide                 oculta la tira
  --quit                 cierra Velmaro, como &quot;Salir&quot; en su menú
  --add TEXTO            añade una nota con las reglas del editor de notas
      --priority alta|media|baja   prioridad (por omisión, media)
      --alarm &quot;dd/mm/aaaa hh:mm&quot;   alarma de la nota
      --sound ARCHIVO              sonido de la alarma (por omisión, el
                                   último elegido en el editor)
      --force                      añade la nota aunque haya otra alarma
                                   cercana
  --list                 escribe las notas en la salida estándar
      --json                       como JSON, para programas: número,
                                   prioridad, alarma (ISO 8601), estado de
                                   la alarma, sonido y texto de cada nota
  --backups              lista las copias de seguridad de tw.cfg: número,
                         fecha, cuántas notas y sus primeras palabras
  --restore FECHA|N      restaura la copia de esa fecha o número de la lista;
                         el tw.cfg actual se guarda antes como otra copia
  --version              muestra la versión
  --help                 muestra esta ayuda

Con Velmaro en ejecución, las acciones le llegan por el bus de sesión
(example.velmaro.Velmaro) o, sin bus, por un socket privado. Sin Velmaro en
ejecución, --add escribe la nota en tw.cfg.

Estado de salida: 0 si la acción se hizo; 1 si no se pudo; 2 si la línea de
órdenes no es válida.
</source>
        <translation>Usage: velmaro [ACTION]
A strip of short notes with priorities and alarms.

Without an action, starts Velmaro (or says that it is already running).

Actions:
  --new-note             opens &quot;New Note&quot; (starts Velmaro when needed)
  --toggle               hides or shows the strip (starts Velmaro when needed)
  --show                 shows the strip (starts Velmaro when needed)
  --hide                 hides the strip
  --quit                 quits Velmaro, as &quot;Quit&quot; in its menu does
  --add TEXT             adds a note under the note editor&apos;s rules
      --priority alta|media|baja   priority: high, medium (the default), low
      --alarm &quot;dd/mm/yyyy hh:mm&quot;   the note&apos;s alarm
      --sound FILE                 the alarm&apos;s sound (by default the last
                                   one chosen in the editor)
      --force                      adds the note even when another alarm
                                   is close
  --list                 writes the notes to standard output
      --json                       as JSON, for programs: each note&apos;s
                                   number, priority, alarm (ISO 8601),
                                   alarm state, sound and text
  --backups              lists the backups of tw.cfg: number, date, how
                         many notes and their first words
  --restore DATE|N       restores the backup of that date or list number;
                         the current tw.cfg is kept as another backup first
  --version              shows the version
  --help                 shows this help

While Velmaro runs, actions reach it on the session bus
(example.velmaro.Velmaro) or, without a bus, through a private socket. When
Velmaro is not running, --add writes the note to tw.cfg.

Exit status: 0 when the action was done; 1 when it could not be; 2 when the
command line is not valid.
</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&apos;%1&apos; is not a valid date and time</translation>
    </message>
</context>
<context>
    <name>HintNames</name>
    <message>
        <source>Desplazamiento vertical</source>
        <translation>Vertical scroll bar</translation>
    </message>
    <message>
        <source>Desplazamiento horizontal</source>
        <translation>Horizontal scroll bar</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>Petición no válida.</source>
        <translation>Invalid request.</translation>
    </message>
</context>
<context>
    <name>Launchers</name>
    <message>
        <source>No se ha podido ejecutar </source>
        <translation>Could not run </translation>
    </message>
</context>
<context>
    <name>ListDocument</name>
    <message>
        <source>Listado de Velmaro (%1)</source>
        <translation>Velmaro notes (%1)</translation>
    </message>
    <message>
        <source>Alarma: </source>
        <translation>Alarm: </translation>
    </message>
</context>
<context>
    <name>Module</name>
    <message>
        <source>%1: no folder to look in</source>
        <translation>%1: no folder to look in</translation>
    </message>
    <message>
        <source>%1: no entry point %2</source>
        <translation>%1: no entry point %2</translation>
    </message>
</context>
<context>
    <name>NearAlarm</name>
    <message>
        <source>Existe una alarma anterior (en la nota número %1) configurada en %2.<byte value="xd"/>
Cambie la hora seleccionada o elija la opción &quot;No Advertir&quot;.</source>
        <translation>An earlier alarm (in note %1) is set for %2.<byte value="xd"/>
Change the time, or choose &quot;Do not warn&quot;.</translation>
    </message>
</context>
<context>
    <name>NoteForm</name>
    <message>
        <source>La nota cambió fuera de Velmaro mientras estaba abierta: se guardó como una nota nueva.</source>
        <translation>The note changed outside Velmaro while it was open: it was saved as a new note.</translation>
    </message>
    <message>
        <source>La nota cambió fuera de Velmaro mientras estaba abierta y no se tocó. Aceptar la guarda como una nota nueva.</source>
        <translation>The note changed outside Velmaro while it was open and was left as it is. OK saves it as a new note.</translation>
    </message>
    <message>
        <source>Ha alcanzado el número maximo de Notas</source>
        <translation>You have reached the largest number of notes</translation>
    </message>
</context>
<context>
    <name>NoteListing</name>
    <message>
        <source>Nota %1</source>
        <translation>Note %1</translation>
    </message>
    <message>
        <source>Prioridad: %1</source>
        <translation>Priority: %1</translation>
    </message>
    <message>
        <source>Alarma: %1</source>
        <translation>Alarm: %1</translation>
    </message>
    <message>
        <source>ninguna</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>NoteReading</name>
    <message>
        <source>alta</source>
        <translation>high</translation>
    </message>
    <message>
        <source>baja</source>
        <translation>low</translation>
    </message>
    <message>
        <source>media</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>Nota %1, prioridad %2: %3</source>
        <translation>Note %1, %2 priority: %3</translation>
    </message>
    <message>
        <source>La alarma sonó el %1 a las %2.</source>
        <translation>The alarm rang on %1 at %2.</translation>
    </message>
    <message>
        <source>Alarma el %1 a las %2.</source>
        <translation>Alarm on %1 at %2.</translation>
    </message>
</context>
<context>
    <name>RemoteActions</name>
    <message>
        <source>%1 no lleva argumentos.</source>
        <translation>%1 takes no arguments.</translation>
    </message>
    <message>
        <source>Llamada desconocida.</source>
        <translation>Unknown call.</translation>
    </message>
    <message>
        <source>AddNote espera texto, prioridad, alarma, sonido y, si se quiere, forzar.</source>
        <translation>AddNote expects a text, a priority, an alarm, a sound and, if wanted, force.</translation>
    </message>
    <message>
        <source>RestoreBackup espera la fecha o el número de una copia.</source>
        <translation>RestoreBackup expects the date or the number of a backup.</translation>
    </message>
</context>
<context>
    <name>SearchBox</name>
    <message>
        <source>Haz tus búsquedas web desde Aquí</source>
        <translation>Search the web from here</translation>
    </message>
</context>
<context>
    <name>SettingsSteps</name>
    <message>
        <source>No se pudo abrir la imágen de fondo. Vuelva a seleccionarla.</source>
        <translation>The background picture could not be opened. Please choose it again.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Ya hay una instancia previa de &quot;%1&quot; ejecutándose. Si no la encuentra en la pantalla, verifique en la barra de Tareas.</source>
        <translation>&quot;%1&quot; is already running. If you cannot see it on the screen, look in the taskbar or the notification area.</translation>
    </message>
</context>
<context>
    <name>StartupSettings</name>
    <message>
        <source>¿ Todavía no escribió su frase favorita en este espacio ? En %1 le enseñamos cómo hacerlo ¡¡¡¡¡  ..GRATIS..  !!!!</source>
        <translation>Not written your favourite quote in this space yet? At %1 we show you how, for free!</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Unable to create directory</source>
        <translation>Unable to create the folder</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Acerca de ...</source>
        <translation>About Velmaro</translation>
    </message>
    <message>
        <source>Velmaro</source>
        <translation>Velmaro</translation>
    </message>
    <message>
        <source>Version 2.2 dist. 1</source>
        <translation>Version 2.2 dist. 1</translation>
    </message>
    <message>
        <source>Velmaro es un programa de distribución gratuita. Se entrega tal cual es, sin garantías de ningún tipo; ni sus autores ni sus distribuidores se responsabilizan por daños o pérdidas que pudiera ocasionar su uso.</source>
        <translation>Velmaro is free to share. It comes as it is, without warranty of any kind; neither its authors nor its distributors are liable for any damage or loss its use may cause.</translation>
    </message>
    <message>
        <source>Las marcas registradas mencionadas o programas citados pertenecen a sus respectivos dueños. </source>
        <translation>Trademarks and programs mentioned belong to their respective owners. </translation>
    </message>
    <message>
        <source>La imagen, la frase y los enlaces del área gris son establecidos por el usuario; los autores no son responsables por ellos, ni por la imagen de fondo ni el logo de la barra.</source>
        <translation>The picture, message and links in the grey area are set by the user; the authors are not responsible for them, nor for the background picture or the strip&apos;s logo.</translation>
    </message>
    <message>
        <source>Todo sobre Velmaro en:</source>
        <translation>All about Velmaro at:</translation>
    </message>
    <message>
        <source>&amp;e-mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>Ayúdanos a distribuir Programas gratuitamente. Haz tus búsquedas web desde Velmaro</source>
        <translation>Help us share free software: search the web from Velmaro</translation>
    </message>
    <message>
        <source>e-&amp;mail</source>
        <translation>E-&amp;mail</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmAllConfig</name>
    <message>
        <source>Configurando Velmaro</source>
        <translation>Velmaro Settings</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Ancho de la Hoja :</source>
        <translation>Strip &amp;width:</translation>
    </message>
    <message>
        <source>Archivo de &amp;Notas:</source>
        <translation>&amp;Archive file:</translation>
    </message>
    <message>
        <source>Incluir Fecha/Hora de:</source>
        <translation>Include the date and time of:</translation>
    </message>
    <message>
        <source>Ala&amp;rma</source>
        <translation>Ala&amp;rm</translation>
    </message>
    <message>
        <source>Ultima Actuali&amp;zación</source>
        <translation>Last chan&amp;ge</translation>
    </message>
    <message>
        <source>Nota Arc&amp;hivada</source>
        <translation>Arc&amp;hiving</translation>
    </message>
    <message>
        <source>Programas Configurables</source>
        <translation>Launchers</translation>
    </message>
    <message>
        <source>Activo</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Icono</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>Archivo a Ejecutar</source>
        <translation>Program to run</translation>
    </message>
    <message>
        <source>Programa 1 activo</source>
        <translation>Launcher 1 on</translation>
    </message>
    <message>
        <source>Nombre del programa 1</source>
        <translation>Name of launcher 1</translation>
    </message>
    <message>
        <source>Icono del programa 1</source>
        <translation>Icon of launcher 1</translation>
    </message>
    <message>
        <source>Archivo a ejecutar del programa 1</source>
        <translation>Program of launcher 1</translation>
    </message>
    <message>
        <source>Elegir el programa 1</source>
        <translation>Choose the program of launcher 1</translation>
    </message>
    <message>
        <source>Programa 2 activo</source>
        <translation>Launcher 2 on</translation>
    </message>
    <message>
        <source>Nombre del programa 2</source>
        <translation>Name of launcher 2</translation>
    </message>
    <message>
        <source>Icono del programa 2</source>
        <translation>Icon of launcher 2</translation>
    </message>
    <message>
        <source>Archivo a ejecutar del programa 2</source>
        <translation>Program of launcher 2</translation>
    </message>
    <message>
        <source>Elegir el programa 2</source>
        <translation>Choose the program of launcher 2</translation>
    </message>
    <message>
        <source>Programa 3 activo</source>
        <translation>Launcher 3 on</translation>
    </message>
    <message>
        <source>Nombre del programa 3</source>
        <translation>Name of launcher 3</translation>
    </message>
    <message>
        <source>Icono del programa 3</source>
        <translation>Icon of launcher 3</translation>
    </message>
    <message>
        <source>Archivo a ejecutar del programa 3</source>
        <translation>Program of launcher 3</translation>
    </message>
    <message>
        <source>Elegir el programa 3</source>
        <translation>Choose the program of launcher 3</translation>
    </message>
    <message>
        <source>&amp;Tipo de Letra :</source>
        <translation>&amp;Font:</translation>
    </message>
    <message>
        <source>Ta&amp;maño :</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>&amp;Color :</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>C&amp;olor Alarma :</source>
        <translation>Alarm c&amp;olour:</translation>
    </message>
    <message>
        <source>&amp;Fondo Alarma :</source>
        <translation>Alarm fi&amp;ll:</translation>
    </message>
    <message>
        <source>Tran&amp;sparente :</source>
        <translation>Tran&amp;sparent:</translation>
    </message>
    <message>
        <source>&amp;Imagen:</source>
        <translation>&amp;Picture:</translation>
    </message>
    <message>
        <source>Elegir la imagen</source>
        <translation>Choose the picture</translation>
    </message>
    <message>
        <source>Sin Ima&amp;gen</source>
        <translation>&amp;No picture</translation>
    </message>
    <message>
        <source>A&amp;justar a la Hoja</source>
        <translation>S&amp;tretch to the strip</translation>
    </message>
    <message>
        <source>Mantener &amp;Proporciones</source>
        <translation>&amp;Keep proportions</translation>
    </message>
    <message>
        <source>Color &amp;de Fondo:</source>
        <translation>Backgroun&amp;d:</translation>
    </message>
    <message>
        <source>&amp;Velmaro siempre delante 
del resto de las aplicaciones</source>
        <translation>&amp;Velmaro always in front 
of other windows</translation>
    </message>
    <message>
        <source>En la Página Acerca de ...</source>
        <translation>In the About window</translation>
    </message>
    <message>
        <source>&amp;Web:</source>
        <translation>We&amp;b:</translation>
    </message>
    <message>
        <source>&amp;E-Mail:</source>
        <translation>&amp;E-mail:</translation>
    </message>
    <message>
        <source>T&amp;u Mensaje</source>
        <translation>Yo&amp;ur message</translation>
    </message>
    <message>
        <source>Esta distribución de Velmaro es 
gentileza de : </source>
        <translation>This copy of Velmaro is 
brought to you by: </translation>
    </message>
</context>
<context>
    <name>TfrmBackups</name>
    <message>
        <source>Copias de seguridad</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>&amp;Copias:</source>
        <translation>&amp;Backups:</translation>
    </message>
    <message>
        <source>&amp;Notas de la copia:</source>
        <translation>&amp;Notes in the backup:</translation>
    </message>
    <message>
        <source>Notas de la copia</source>
        <translation>Notes in the backup</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Restaurar</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Restaurar</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>C&amp;errar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TfrmCalendar</name>
    <message>
        <source>Calendario</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Copiar Fecha al Portapapeles</source>
        <translation>Copy the date to the clipboard</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmConfig</name>
    <message>
        <source>Nueva Nota</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Archivar</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Enviar por e-mail</source>
        <translation>Send by e-mail</translation>
    </message>
    <message>
        <source>Alta Prioridad</source>
        <translation>High priority</translation>
    </message>
    <message>
        <source>Prioridad Media</source>
        <translation>Medium priority</translation>
    </message>
    <message>
        <source>Baja Prioridad</source>
        <translation>Low priority</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Escriba aquí su Nota</source>
        <translation>Write your note here</translation>
    </message>
    <message>
        <source>Ultima Modificación :</source>
        <translation>Last changed:</translation>
    </message>
    <message>
        <source>Alarma NO Activada</source>
        <translation>Alarm OFF</translation>
    </message>
    <message>
        <source>Fecha de la Alarma</source>
        <translation>Alarm date</translation>
    </message>
    <message>
        <source>Hora de la Alarma</source>
        <translation>Alarm time</translation>
    </message>
    <message>
        <source>Activar Alarma</source>
        <translation>Turn the alarm on</translation>
    </message>
    <message>
        <source>Desactivar Alarma</source>
        <translation>Turn the alarm off</translation>
    </message>
    <message>
        <source>Adelantar Alarma :</source>
        <translation>Postpone by:</translation>
    </message>
    <message>
        <source>1 &amp;hora</source>
        <translation>1 &amp;hour</translation>
    </message>
    <message>
        <source>&amp;24 horas.</source>
        <translation>&amp;24 hours</translation>
    </message>
    <message>
        <source>Aceptar Repetir Alarma</source>
        <translation>Postpone the alarm and save</translation>
    </message>
    <message>
        <source>&amp;Sonido :</source>
        <translation>&amp;Sound:</translation>
    </message>
    <message>
        <source>Archivo de Sonido de la Alarma</source>
        <translation>Sound file of the alarm</translation>
    </message>
    <message>
        <source>Prueba de Sonido</source>
        <translation>Play the sound</translation>
    </message>
    <message>
        <source> Alarmas cercanas:</source>
        <translation> Alarms close together:</translation>
    </message>
    <message>
        <source>&amp;No Advertir</source>
        <translation>&amp;Do not warn</translation>
    </message>
    <message>
        <source>A&amp;dvertir si difieren en menos de :</source>
        <translation>&amp;Warn when closer than:</translation>
    </message>
    <message>
        <source>M&amp;inutos</source>
        <translation>m&amp;inutes</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Bienvenido !</source>
        <translation>Welcome!</translation>
    </message>
    <message>
        <source>&amp;e-mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>&amp;Aceptar</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmPrint</name>
    <message>
        <source>Listado de Notas</source>
        <translation>List of Notes</translation>
    </message>
    <message>
        <source>Guardar Como ...</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Copiar Todo al Portapapeles</source>
        <translation>Copy all to the clipboard</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>WriteProblem</name>
    <message>
        <source>es un enlace a un archivo que no existe</source>
        <translation>it is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>no es un archivo común</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>en su lugar hay una carpeta</source>
        <translation>there is a folder in its place</translation>
    </message>
    <message>
        <source>en su lugar hay una tubería con nombre (FIFO)</source>
        <translation>there is a named pipe (FIFO) in its place</translation>
    </message>
    <message>
        <source>en su lugar hay un dispositivo</source>
        <translation>there is a device in its place</translation>
    </message>
    <message>
        <source>%1 tiene la marca de inmutable (chattr +i)</source>
        <translation>%1 is marked immutable (chattr +i)</translation>
    </message>
    <message>
        <source>%1 solo admite añadir al final (chattr +a)</source>
        <translation>%1 only allows appending (chattr +a)</translation>
    </message>
    <message>
        <source>%1 pertenece al usuario %2 y usted no tiene permiso para %3</source>
        <translation>%1 belongs to the user %2 and you may not %3</translation>
    </message>
    <message>
        <source>%1 no le da permiso para %2</source>
        <translation>%1 does not allow you to %2</translation>
    </message>
    <message>
        <source>el archivo</source>
        <translation>the file</translation>
    </message>
    <message>
        <source>modificarlo</source>
        <translation>change it</translation>
    </message>
    <message>
        <source>la carpeta %1</source>
        <translation>the folder %1</translation>
    </message>
    <message>
        <source>escribir en ella</source>
        <translation>write in it</translation>
    </message>
    <message>
        <source>el sistema no permite modificarlo</source>
        <translation>the system does not allow changing it</translation>
    </message>
    <message>
        <source>usted no tiene permiso para modificarlo</source>
        <translation>you do not have permission to change it</translation>
    </message>
    <message>
        <source>el sistema de archivos donde está es de solo lectura</source>
        <translation>the file system it is on is read-only</translation>
    </message>
    <message>
        <source>no queda espacio libre en el disco</source>
        <translation>there is no free space left on the disk</translation>
    </message>
    <message>
        <source>se agotó el espacio de disco que le corresponde (cuota)</source>
        <translation>your disk quota is used up</translation>
    </message>
    <message>
        <source>el archivo superaría el tamaño máximo permitido</source>
        <translation>the file would exceed the largest size allowed</translation>
    </message>
    <message>
        <source>la carpeta %1 no existe</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>no se puede leer lo que ya contiene: </source>
        <translation>what it already holds cannot be read: </translation>
    </message>
    <message>
        <source>leerlo</source>
        <translation>read it</translation>
    </message>
    <message>
        <source>no se puede leer lo que ya contiene (%1)</source>
        <translation>what it already holds cannot be read (%1)</translation>
    </message>
    <message>
        <source>

No se pueden guardar los cambios: </source>
        <translation>

The changes cannot be saved: </translation>
    </message>
    <message>
        <source>. Las notas quedan como están en el archivo.</source>
        <translation>. The notes stay as they are in the file.</translation>
    </message>
    <message>
        <source>el archivo no está abierto</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Unable to write to %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>velmaro: Velmaro necesita una sesión gráfica (no hay DISPLAY ni WAYLAND_DISPLAY).
</source>
        <translation>velmaro: Velmaro needs a graphical session (there is no DISPLAY or WAYLAND_DISPLAY).
</translation>
    </message>
</context>
<context>
    <name>velmaro::AddNote</name>
    <message numerus="yes">
        <source>el número de notas guardado (TotalData=&quot;%1&quot;) no es un número: se cuentan las notas guardadas (%n).</source>
        <translation>
            <numerusform>the stored note count (TotalData=&quot;%1&quot;) is not a number: the stored note is counted (%n).</numerusform>
            <numerusform>the stored note count (TotalData=&quot;%1&quot;) is not a number: the stored notes are counted (%n).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>velmaro::NoteLinesPanel</name>
    <message>
        <source>Notas</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Prioridad %1</source>
        <translation>%1 priority</translation>
    </message>
</context>
<context>
    <name>velmaro::StripCommands</name>
    <message>
        <source>Programa %1</source>
        <translation>Launcher %1</translation>
    </message>
    <message>
        <source>Ocultar en barra de Tareas o Volver a mostrar en pantalla</source>
        <translation>Hide in the taskbar, or show again</translation>
    </message>
    <message>
        <source>Listar Todas las notas en un solo documento</source>
        <translation>List all notes in one document</translation>
    </message>
    <message>
        <source>Configurar Velmaro</source>
        <translation>Velmaro settings</translation>
    </message>
    <message>
        <source>Ayuda de Velmaro</source>
        <translation>Velmaro help</translation>
    </message>
    <message>
        <source>Salir de Velmaro</source>
        <translation>Quit Velmaro</translation>
    </message>
    <message>
        <source>Nueva Nota</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>Calendario</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>&amp;Ocultar / Mostrar</source>
        <translation>&amp;Hide / Show</translation>
    </message>
    <message>
        <source>&amp;Nueva Nota...</source>
        <translation>&amp;New Note…</translation>
    </message>
    <message>
        <source>Listar &amp;Todo...</source>
        <translation>Lis&amp;t All…</translation>
    </message>
    <message>
        <source>Ca&amp;lendario...</source>
        <translation>Ca&amp;lendar…</translation>
    </message>
    <message>
        <source>Confi&amp;gurar...</source>
        <translation>Settin&amp;gs…</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>Hel&amp;p</translation>
    </message>
    <message>
        <source>&amp;Acerca de...</source>
        <translation>&amp;About…</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Copias de seguridad…</source>
        <translation>&amp;Backups…</translation>
    </message>
</context>
<context>
    <name>velmaro::StripHeader</name>
    <message>
        <source>Acerca de ... (y Mensajes)</source>
        <translation>About Velmaro (and messages)</translation>
    </message>
    <message>
        <source>Escriba la búsqueda aquí</source>
        <translation>Type your web search here</translation>
    </message>
    <message>
        <source>Buscar en la Web</source>
        <translation>Search the web</translation>
    </message>
</context>
<context>
    <name>velmaro::TAboutBox</name>
    <message>
        <source>Si deseas hacer una instalación personalizada para distribuir a tus amigos, escribanos un email a %1. Gracias</source>
        <translation>If you would like a custom edition to share with your friends, write to us at %1. Thank you</translation>
    </message>
</context>
<context>
    <name>velmaro::TForm1</name>
    <message>
        <source>Programa %1</source>
        <translation>Launcher %1</translation>
    </message>
    <message>
        <source>No se pudo abrir la imágen de fondo (ajuste)</source>
        <translation>The background picture could not be opened (fit)</translation>
    </message>
    <message>
        <source>No se pudo abrir la imágen de fondo (proporcional)</source>
        <translation>The background picture could not be opened (proportional)</translation>
    </message>
</context>
<context>
    <name>velmaro::TfrmAllConfig</name>
    <message>
        <source>Programas (*)</source>
        <translation>Programs (*)</translation>
    </message>
    <message>
        <source>Seleccione  el archivo a ejecutar</source>
        <translation>Choose the program to run</translation>
    </message>
    <message>
        <source>Accesos directos (*.desktop)</source>
        <translation>Shortcuts (*.desktop)</translation>
    </message>
    <message>
        <source>Todos los archivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Imágenes (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
</context>
<context>
    <name>velmaro::TfrmBackups</name>
    <message>
        <source>dañada</source>
        <translation>damaged</translation>
    </message>
    <message>
        <source>Todavía no hay copias de seguridad.</source>
        <translation>There are no backups yet.</translation>
    </message>
    <message>
        <source>Esta copia está dañada: no se lee como un archivo de notas de Velmaro y no se puede restaurar.</source>
        <translation>This backup is damaged: it does not read as a Velmaro notes file and cannot be restored.</translation>
    </message>
    <message>
        <source>(sin notas)</source>
        <translation>(no notes)</translation>
    </message>
    <message>
        <source>¿Restaurar la copia del %1? Las notas actuales se guardan como otra copia.</source>
        <translation>Restore the backup of %1? The current notes are kept as another backup.</translation>
    </message>
    <message>
        <source>&amp;Restaurar</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Cancelar</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>velmaro::TfrmCalendar</name>
    <message>
        <source>Mes anterior</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Mes siguiente</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Días del mes</source>
        <translation>Days of the month</translation>
    </message>
</context>
<context>
    <name>velmaro::TfrmConfig</name>
    <message>
        <source>Elegir un archivo de sonido</source>
        <translation>Choose a sound file</translation>
    </message>
    <message>
        <source>Nueva Nota</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>Modificar / Borrar / Archivar</source>
        <translation>Edit / Delete / Archive</translation>
    </message>
    <message>
        <source>Elija un archivo .wav adecuado</source>
        <translation>Choose a suitable .wav file</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Archivos de Sonidos(*.wav)</source>
        <translation>Sound files (*.wav)</translation>
    </message>
    <message>
        <source>  Alarma Activada  </source>
        <translation>  Alarm ON  </translation>
    </message>
    <message>
        <source>Alarma NO Activada</source>
        <translation>Alarm OFF</translation>
    </message>
    <message>
        <source>Enviado desde Velmaro</source>
        <translation>Sent from Velmaro</translation>
    </message>
</context>
<context>
    <name>velmaro::TfrmHelp</name>
    <message>
        <source>Esta versión de Velmaro ha sido desarrollada para que resulte fácil de usar.</source>
        <translation>This version of Velmaro was made to be easy to use.</translation>
    </message>
    <message>
        <source>Si tiene dudas sobre la utilidad de un botón o de un ingreso de datos</source>
        <translation>If you are unsure what a button or a field is for, just rest</translation>
    </message>
    <message>
        <source>determinado, solamente debe dejar el mouse sobre el mismo unos segundos</source>
        <translation>the mouse on it for a few seconds and a tip will appear</translation>
    </message>
    <message>
        <source>y aparecerá sobre el mismo una leyenda que indica su utilidad.</source>
        <translation>that tells you what it does.</translation>
    </message>
    <message>
        <source>Igualmente, estamos dispuestos a contestar todas sus preguntas en </source>
        <translation>We are also glad to answer all your questions at </translation>
    </message>
    <message>
        <source>%1, y también podrá disponer de mucha información en nuestras </source>
        <translation>%1, and you will find plenty of information on our </translation>
    </message>
    <message>
        <source>páginas en %1</source>
        <translation>pages at %1</translation>
    </message>
    <message>
        <source>Muchas Gracias por usar Velmaro.</source>
        <translation>Thank you for using Velmaro.</translation>
    </message>
</context>
<context>
    <name>velmaro::TfrmPrint</name>
    <message>
        <source>Rich Text Files (*.RTF *.rtf)</source>
        <translation>Rich Text Files (*.RTF *.rtf)</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation>Text Files (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Imprimiendo desde Velmaro</source>
        <translation>Printing from Velmaro</translation>
    </message>
</context>
</TS>
