<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>Recordatorio de pruebas de realidad</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>Le recuerda, en los intervalos que elija, que compruebe si está soñando</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>lúcido;sueño;prueba de realidad;recordatorio;temporizador;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>Le recuerda que compruebe si está soñando</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>Wakeprober hace una cuenta atrás del intervalo que elija y después le avisa, con un recuadro que parpadea, un pitido opcional y la ventana del programa delante de todas las demás, para que se detenga un momento y compruebe si está despierto o soñando. Convertida en hábito durante el día, la prueba pasa a sus sueños y le ayuda a tener sueños lúcidos por la noche.</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>La ventana principal pide hacer la prueba</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Wakeprober reminds you during the day, at intervals you set, to check whether you are dreaming. The habit carries over into your sleep and helps you have lucid dreams.
Click the top-left box, &quot;Start Wakeprobe&quot;, to start the timer; click it again, now &quot;Stop Wakeprobe&quot;, to pause it.
When the time is up, the second box down flashes and asks you to do a wakeprobe; it also beeps if &quot;Beep when timer triggers&quot; is ticked. Click the flashing box, or wait for the automatic reset.
Tick &quot;Window to front when timer triggers&quot; to bring the window in front of all other open windows when the timer triggers.
Type the minutes between checks in the box next to &quot;Minutes till timer triggers&quot; (30 at start).
Type how many times it flashes and beeps in the box next to &quot;Flashes/Beeps till auto reset&quot; (20 at start).
Click Exit to close the program.
Please report faults and send suggestions through the project&apos;s issue tracker.</source>
        <extracomment>The help window&apos;s instructions: about 417 x 193 px. Keep the line breaks between the points, and quote the captions as the main window shows them. Say that numbers take a decimal point (0.5), not a comma.</extracomment>
        <translation>Wakeprober le recuerda durante el día, en los intervalos que elija, que compruebe si está soñando. El hábito pasa a sus sueños y le ayuda a tener sueños lúcidos.
Haga clic en la casilla de arriba a la izquierda, «Iniciar cuenta atrás», para iniciarla, y de nuevo, ya en «Pausar cuenta atrás», para pausarla.
Al acabarse el tiempo, el segundo recuadro parpadea y le pide hacer la prueba; también pita si está marcada «Pitido al avisar». Haga clic en el recuadro o espere a que el temporizador se ponga a cero solo.
Marque «Ventana al frente al avisar» para que, al avisar, la ventana pase delante de todas las demás.
Escriba los minutos entre pruebas junto a «Minutos hasta avisar» (predeterminado: 30; con punto decimal: 0.5).
Escriba cuántas veces parpadea y pita junto a «Señales hasta poner a cero» (predeterminado: 20).
Haga clic en «Salir» para cerrar el programa.
Comunique errores y sugerencias en el gestor de incidencias del proyecto.</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>Consejos para sueños lúcidos:
Muchos sitios web explican qué es un sueño lúcido y cómo tenerlo; busque «sueño lúcido» en internet. Uno de los métodos principales es comprobar a menudo durante el día si está soñando, por ejemplo si el tiempo avanza de forma lineal, cosa que en un sueño no ocurre: mire la hora, espere un par de segundos y vuelva a mirarla.</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>Ayuda de Wakeprober</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Type RTL in a right-to-left language (Arabic, Hebrew), LTR in any other: it mirrors the windows.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Choose Installation Options</source>
        <extracomment>The title of the setup&apos;s page of choices, in the style of NSIS&apos;s own page titles.</extracomment>
        <translation>Elegir opciones de instalación</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>Elija quién puede usar Wakeprober y si se inicia automáticamente.</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Solo para mí (no hacen falta derechos de administrador)</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Para todos los usuarios de este equipo (requiere derechos de administrador)</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>Ejecutar Wakeprober al iniciar sesión</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>Wakeprober está en ejecución. Ciérrelo y haga clic en Reintentar.</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>Instalar para todos los usuarios requiere el consentimiento de un administrador, que no se ha dado.</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>Quitar Wakeprober para todos los usuarios requiere el consentimiento de un administrador, que no se ha dado.</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>Windows no pudo ejecutar este programa con derechos de administrador: %1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>Wakeprober está instalado en %1. Esta instalación lo reemplaza.</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translatorcomment>Short for &quot;Haga clic para poner a cero el temporizador&quot;, which does not fit the box at English&apos;s font size; &quot;lo&quot; is the timer.</translatorcomment>
        <translation>¡Hora de la prueba! Un clic lo pone a cero</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Iniciar cuenta atrás</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Pausar cuenta atrás</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translation>Seg. para la prueba: </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Minutos hasta avisar</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Señales hasta poner a cero</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translation>Intervalo o límite excesivo</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>Pitido al avisar</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>Ventana al frente al avisar</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Salir</translation>
    </message>
</context>
</TS>
