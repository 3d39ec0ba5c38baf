<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>תזכורת לבדיקת מציאות</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>מזכירה לכם במרווחי זמן לבדוק אם אתם חולמים</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>חלום צלול;חלימה צלולה;חלום;בדיקת מציאות;תזכורת;טיימר;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>מזכירה לכם לבדוק אם אתם חולמים</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>התוכנה Wakeprober סופרת לאחור מרווח זמן שתבחרו, ואז קוראת לכם, בתיבה מהבהבת, בצפצוף אופציונלי ובהבאת החלון שלה אל מעל כל החלונות האחרים, לעצור לרגע ולבדוק אם אתם ערים או חולמים. כשבדיקת המציאות הופכת להרגל במהלך היום, היא עוברת גם אל החלומות ועוזרת לכם לחלום חלומות צלולים בלילה.</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>החלון הראשי מבקש לבצע בדיקת מציאות</translation>
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
        <translation>התוכנה Wakeprober מזכירה לכם במהלך היום, במרווחי זמן שתקבעו, לבדוק אם אתם חולמים. ההרגל עובר אל השינה ועוזר לכם לחלום חלומות צלולים.
לחצו על התיבה הימנית העליונה, &quot;הפעלת תזכורות&quot;, כדי להפעיל את הטיימר; לחצו עליה שוב, כשכתוב בה &quot;השהיית תזכורות&quot;, כדי להשהות אותו.
כשהזמן נגמר, התיבה השנייה מלמעלה מהבהבת וקוראת לכם לבצע בדיקת מציאות; אם &quot;צפצוף בעת ההתראה&quot; מסומן, היא גם מצפצפת. לחצו על התיבה המהבהבת או המתינו לאיפוס האוטומטי.
סמנו את &quot;החלון לחזית בהתראה&quot; כדי שהחלון יופיע מעל כל החלונות הפתוחים האחרים בעת ההתראה.
הקלידו את מספר הדקות בין בדיקה לבדיקה בשדה שליד &quot;דקות עד ההתראה&quot; (ברירת מחדל: 30; עם נקודה עשרונית: 0.5).
הקלידו כמה פעמים התיבה תהבהב ותצפצף בשדה שליד &quot;הבהובים עד איפוס&quot; (ברירת מחדל: 20).
לחצו על &quot;יציאה&quot; כדי לסגור את התוכנה.
דווחו על תקלות ושלחו הצעות דרך מערכת מעקב הבעיות של הפרויקט.</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>טיפים לחלימה צלולה:
אתרים רבים מסבירים מהו חלום צלול ואיך מגיעים אליו; חפשו ברשת &quot;חלום צלול&quot;. אחת השיטות העיקריות: לבדוק לעיתים קרובות במהלך היום אם אתם חולמים, למשל אם הזמן זורם ברציפות, מה שאינו קורה בחלום: הסתכלו בשעון, המתינו כמה שניות והסתכלו שוב.</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>עזרה ל־Wakeprober</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Type RTL in a right-to-left language (Arabic, Hebrew), LTR in any other: it mirrors the windows.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Choose Installation Options</source>
        <extracomment>The title of the setup&apos;s page of choices, in the style of NSIS&apos;s own page titles.</extracomment>
        <translation>בחירת אפשרויות התקנה</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>בחרו מי יוכל להשתמש בתוכנה Wakeprober והאם היא תופעל אוטומטית.</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>רק עבורי (אין צורך בהרשאות מנהל)</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>עבור כל המשתמשים במחשב זה (נדרשות הרשאות מנהל)</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>הפעלת Wakeprober בעת הכניסה למערכת</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>התוכנה Wakeprober פועלת. סגרו אותה ולחצו על &quot;נסה שוב&quot;.</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>התקנה עבור כל המשתמשים דורשת הסכמה של מנהל, וההסכמה לא ניתנה.</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>הסרת Wakeprober עבור כל המשתמשים דורשת הסכמה של מנהל, וההסכמה לא ניתנה.</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>Windows לא הצליח להפעיל תוכנית זו עם הרשאות מנהל: %1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>התוכנה Wakeprober מותקנת ב־%1. התקנה זו תחליף אותה.</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translation>זמן לבדיקת מציאות. לחצו לאיפוס</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>הפעלת תזכורות</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>השהיית תזכורות</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translatorcomment>Ends in a colon, U+200E LEFT-TO-RIGHT MARK and the kept blank: the number after it then reads as a number, &quot;-1&quot; with its minus on the left, in this right-to-left line.</translatorcomment>
        <translation>שניות עד הבדיקה הבאה:‎ </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>דקות עד ההתראה</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>הבהובים עד איפוס</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translation>המרווח או המגבלה גדולים מדי</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>תיבת ההתראה</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>ספירה לאחור</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>צפצוף בעת ההתראה</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>החלון לחזית בהתראה</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>יציאה</translation>
    </message>
</context>
</TS>
