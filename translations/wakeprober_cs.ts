<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>Připomínka testů reality</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>Připomíná v intervalech, abyste si ověřili, zda nesníte</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>lucidní sen;lucidní snění;sen;test reality;připomínka;časovač;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>Připomíná, abyste si ověřili, zda nesníte</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>Wakeprober odpočítává zvolený interval a pak vás blikajícím polem, volitelným pípnutím a oknem přesunutým před všechna ostatní vyzve, abyste se na chvíli zastavili a ověřili si, zda bdíte, nebo sníte. Když se test stane každodenním návykem, přenese se i do vašich snů a v noci vám pomůže k lucidnímu snění.</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>Hlavní okno vyzývá k testu</translation>
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
        <translation>Wakeprober vám během dne v intervalech, které si nastavíte, připomíná, abyste si ověřili, zda nesníte. Návyk se přenese do spánku a pomáhá k lucidním snům.
Kliknutím na pole vlevo nahoře, „Spustit odpočet“, spustíte odpočet; dalším kliknutím, nyní na „Pozastavit odpočet“, jej pozastavíte.
Když čas vyprší, druhé pole začne blikat a vyzve vás k testu; je-li zaškrtnuto „Pípnutí při upozornění“, také pípá. Klikněte na blikající pole, nebo počkejte na automatické vynulování.
Zaškrtnete-li „Okno do popředí při upozornění“, okno se při upozornění přesune před všechna ostatní.
Počet minut mezi testy zadejte do pole vedle „Minut do testu“ (výchozí 30; s desetinnou tečkou: 0.5).
Kolikrát má druhé pole bliknout a pípnout, zadejte do pole vedle „Signálů do vynulování“ (výchozí 20).
Kliknutím na „Ukončit“ program zavřete.
Chyby a návrhy prosím hlaste v systému pro sledování problémů projektu.</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>Tipy pro lucidní snění:
Mnoho webů vysvětluje, co je lucidní sen a jak ho zažít; najdete je, když na webu vyhledáte „lucidní snění“. Jednou z hlavních metod je během dne často ověřovat, zda nesníte, například zda čas běží rovnoměrně, což ve snu neplatí: podívejte se na hodiny, počkejte pár sekund a podívejte se znovu.</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>Návod – Wakeprober</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translation>Zavřít</translation>
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
        <translation>Zvolte možnosti instalace</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>Zvolte, kdo může Wakeprober používat a zda se má spouštět sám.</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Jen pro mě (nejsou potřeba práva správce)</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Pro všechny uživatele počítače (vyžaduje práva správce)</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>Spouštět Wakeprober po přihlášení</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>Wakeprober je spuštěný. Zavřete ho a potom klikněte na Opakovat.</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>Instalace pro všechny uživatele vyžaduje souhlas správce, který nebyl udělen.</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>Odebrání aplikace Wakeprober pro všechny uživatele vyžaduje souhlas správce, který nebyl udělen.</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>Systém Windows nemohl spustit tento program s právy správce: %1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>Wakeprober je nainstalován ve složce %1. Tato instalace jej nahradí.</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translation>Test! Kliknutím vynulujete odpočet</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Spustit odpočet</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Pozastavit odpočet</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translation>Sekund do testu </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Minut do testu</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Signálů do vynulování</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translation>Příliš velký interval či limit</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>Výzva</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>Odpočet</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>Pípnutí při upozornění</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>Okno do popředí při upozornění</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translatorcomment>&quot;Nápověda&quot; does not fit the button at English&apos;s font size; the help window is headed &quot;Návod&quot; too.</translatorcomment>
        <translation>Návod</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Ukončit</translation>
    </message>
</context>
</TS>
