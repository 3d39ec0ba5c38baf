<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>Напоминание о проверке реальности</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>Периодически напоминает проверить, не сон ли это</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>осознанный;сон;проверка реальности;напоминание;таймер;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>Напоминает проверить, не сон ли это</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>Wakeprober отсчитывает выбранный вами интервал, а затем мигающим полем, звуковым сигналом (по желанию) и своим окном, выведенным перед всеми остальными, предлагает на минуту остановиться и проверить, наяву вы или во сне. Став дневной привычкой, проверка переходит в сновидения и помогает видеть осознанные сны по ночам.</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>Главное окно напоминает о проверке</translation>
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
        <translation>Wakeprober днём через заданные вами интервалы напоминает проверить, не сон ли это. Эта привычка переносится в сны и помогает видеть осознанные сновидения.
Щёлкните поле вверху слева, «Начать отсчёт», чтобы запустить таймер; щёлкните его снова, теперь «Пауза», чтобы приостановить таймер.
Когда время выйдет, второе поле замигает и попросит провести проверку; если отмечено «Звук по таймеру», прозвучит и звуковой сигнал. Щёлкните мигающее поле или дождитесь автоматического сброса.
Отметьте «Окно на передний план по таймеру», чтобы по таймеру окно выходило перед всеми остальными.
Введите число минут между проверками рядом с «Минут до проверки» (по умолчанию 30; дробная часть через точку: 0.5).
Введите, сколько раз мигать и звучать, рядом с «Сигналов до сброса» (по умолчанию 20).
Щёлкните «Выход», чтобы закрыть программу.
Сообщения об ошибках и предложения оставляйте в трекере задач проекта.</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>Советы по осознанным снам:
Многие сайты объясняют, что такое осознанный сон и как его увидеть; их легко найти, поискав в интернете «осознанные сновидения». Один из главных методов — часто проверять днём, не сон ли это, например идёт ли время последовательно, чего во сне не бывает: посмотрите на часы, подождите пару секунд и посмотрите снова.</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>Справка Wakeprober</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translatorcomment>ОК, the platform&apos;s own label: &quot;Закрыть&quot; does not fit the button at English&apos;s font size.</translatorcomment>
        <translation>ОК</translation>
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
        <translation>Выбор параметров установки</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>Выберите, кто сможет пользоваться Wakeprober и запускать ли его автоматически.</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Только для меня (права администратора не нужны)</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Для всех пользователей этого компьютера (нужны права администратора)</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>Запускать Wakeprober при входе в систему</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>Wakeprober запущен. Закройте его и щёлкните «Повторить».</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>Установка для всех пользователей требует согласия администратора, но оно не получено.</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>Удаление Wakeprober для всех пользователей требует согласия администратора, но оно не получено.</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>Windows не удалось запустить эту программу с правами администратора: %1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>Wakeprober установлен в %1. Эта установка заменит его.</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translation>Время проверки! Щёлкните для сброса</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Начать отсчёт</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translatorcomment>What the click does, pausing: &quot;Приостановить проверку&quot; does not fit the box at English&apos;s font size.</translatorcomment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translation>Секунд до проверки </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Минут до проверки</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Сигналов до сброса</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translatorcomment>The value of either box: &quot;Интервал или лимит слишком велик&quot; does not fit the line at English&apos;s font size.</translatorcomment>
        <translation>Слишком большое значение</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>Обратный отсчёт</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>Звук по таймеру</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>Окно на передний план по таймеру</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Выход</translation>
    </message>
</context>
</TS>
