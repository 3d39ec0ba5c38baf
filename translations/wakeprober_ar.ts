<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>تذكير باختبار الواقع</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>يذكرك على فترات بأن تتحقق مما إذا كنت تحلم</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>الحلم الواعي;حلم واعي;حلم;اختبار الواقع;تذكير;مؤقت;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>يذكرك بأن تتحقق مما إذا كنت تحلم</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>يعد Wakeprober عدا تنازليا لفترة تختارها، ثم يدعوك، بمربع وامض وصفير اختياري وبإظهار نافذته أمام كل النوافذ الأخرى، إلى التوقف لحظة والتحقق مما إذا كنت مستيقظا أم تحلم. وحين يصبح اختبار الواقع عادة في النهار، ينتقل إلى أحلامك ويساعدك على رؤية أحلام واعية في الليل.</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>النافذة الرئيسية تطلب منك إجراء اختبار الواقع</translation>
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
        <translation>يذكرك Wakeprober خلال النهار، على فترات تحددها أنت، بأن تتحقق مما إذا كنت تحلم. وتنتقل هذه العادة إلى نومك فتساعدك على رؤية أحلام واعية.
انقر المربع الأعلى على اليمين، «بدء التذكير»، لتشغيل المؤقت، وانقره مجددا، وقد صار «إيقاف التذكير مؤقتا»، لإيقافه مؤقتا.
عند انتهاء الوقت يومض المربع الثاني من الأعلى ويطلب منك إجراء اختبار الواقع، ويصدر صفيرا أيضا إذا حددت «صفير عند التنبيه». انقر المربع الوامض، أو انتظر إعادة الضبط التلقائية.
حدد «النافذة إلى الأمام عند التنبيه» لتظهر النافذة أمام كل النوافذ المفتوحة الأخرى عند التنبيه.
اكتب الدقائق بين اختبار وآخر في الحقل بجوار «دقائق حتى التنبيه» (القيمة الافتراضية 30؛ بأرقام لاتينية ونقطة عشرية: 0.5).
اكتب عدد مرات الوميض والصفير في الحقل بجوار «ومضات حتى إعادة الضبط» (القيمة الافتراضية 20).
انقر «خروج» لإغلاق البرنامج.
يُرجى الإبلاغ عن الأخطاء وإرسال الاقتراحات عبر متتبع المشكلات في المشروع.</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>نصائح للأحلام الواعية:
تشرح مواقع كثيرة ما الحلم الواعي وكيف تحظى به؛ ابحث في الإنترنت عن «الحلم الواعي» لتجدها. ومن أهم الطرق أن تتحقق كثيرا خلال النهار مما إذا كنت تحلم، كأن ترى هل يمضي الوقت بانتظام، وهو ما لا يحدث في الحلم: انظر إلى الساعة، وانتظر بضع ثوان، ثم انظر مجددا.</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>مساعدة Wakeprober</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translation>إغلاق</translation>
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
        <translation>اختر خيارات التثبيت</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>اختر من يمكنه استخدام Wakeprober، وهل يبدأ تلقائيا.</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>لي فقط (لا تلزم صلاحيات المسؤول)</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>لجميع مستخدمي هذا الكمبيوتر (يتطلب صلاحيات المسؤول)</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>تشغيل Wakeprober عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>Wakeprober قيد التشغيل. أغلقه، ثم انقر «إعادة المحاولة».</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>يتطلب التثبيت لجميع المستخدمين موافقة المسؤول، ولم تُمنح هذه الموافقة.</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>تتطلب إزالة Wakeprober لجميع المستخدمين موافقة المسؤول، ولم تُمنح هذه الموافقة.</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>تعذّر على Windows تشغيل هذا البرنامج بصلاحيات المسؤول: %1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>Wakeprober مثبّت في %1. يحل هذا التثبيت محله.</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translation>حان وقت اختبار الواقع. انقر لإعادة الضبط</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>بدء التذكير</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>إيقاف التذكير مؤقتا</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translatorcomment>Ends in a colon, U+200E LEFT-TO-RIGHT MARK and the kept blank: the number after it then reads as a number, &quot;-1&quot; with its minus on the left, in this right-to-left line. &quot;ثوانٍ حتى الاختبار التالي&quot; does not fit the line on Windows at English&apos;s font size.</translatorcomment>
        <translation>ثوانٍ للاختبار التالي:‎ </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>دقائق حتى التنبيه</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>ومضات حتى إعادة الضبط</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translation>الفترة أو الحد كبير جدا</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>مربع التنبيه</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>العد التنازلي</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>صفير عند التنبيه</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>النافذة إلى الأمام عند التنبيه</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>خروج</translation>
    </message>
</context>
</TS>
