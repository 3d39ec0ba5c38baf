<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>現實檢驗提醒工具</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>定時提醒您檢驗自己是否在做夢</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>清醒夢;夢;現實檢驗;提醒;計時器;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>提醒您檢驗自己是否在做夢</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>Wakeprober 會依您設定的間隔倒數計時，時間到時讓方塊閃爍、發出嗶聲（選用），並將視窗移到所有其他視窗前面，提醒您停下片刻，檢驗自己是醒著還是在做夢。白天將這種檢驗養成習慣後，它會延續到夢中，幫助您在夜裡做清醒夢。</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>主視窗正在提示檢驗</translation>
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
        <translation>Wakeprober 會在白天依您設定的間隔，提醒您檢驗自己是否在做夢。養成習慣後，這種檢驗會延續到睡夢中，幫助您做清醒夢。
按一下左上角的「開始倒數」方塊即可啟動計時器；再按一下（此時顯示「暫停倒數」）即可暫停。
時間到時，由上往下第二個方塊會閃爍，提示您進行檢驗；若勾選「嗶聲提醒」，還會發出嗶聲。按一下閃爍的方塊，或等待自動重設。
勾選「提醒時視窗移至最前」後，提醒時視窗會顯示在所有其他視窗前面。
在「間隔（分鐘）」旁的欄位輸入兩次檢驗之間的分鐘數（預設 30；請用半形數字和小數點，如 0.5）。
在「閃爍次數上限」旁的欄位輸入閃爍和嗶聲幾次後自動重設（預設 20）。
按一下「結束」即可關閉程式。
如發現問題或有建議，請透過本專案的問題追蹤系統回報。</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>清醒夢小祕訣：
許多網站都介紹了什麼是清醒夢以及如何做清醒夢，在網路上搜尋「清醒夢」即可找到。做清醒夢的主要方法之一，是在白天經常檢驗自己是否在做夢，例如時間是否正常流逝，而夢中並非如此：看一下時間，等幾秒鐘，再看一次。</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>Wakeprober 說明</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translation>關閉</translation>
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
        <translation>選擇安裝選項</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>選擇哪些使用者可以使用 Wakeprober，以及是否自動啟動。</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>只為我安裝（不需要系統管理員權限）</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>為這部電腦的所有使用者安裝（需要系統管理員權限）</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>登入時啟動 Wakeprober</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>Wakeprober 正在執行。請關閉它，然後按一下「重試」。</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>為所有使用者安裝需要系統管理員同意，但未獲得同意。</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>為所有使用者移除 Wakeprober 需要系統管理員同意，但未獲得同意。</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>Windows 無法以系統管理員權限執行此程式：%1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>Wakeprober 已安裝在 %1。此次安裝將取代它。</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translation>該檢驗了！按此重設</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>開始倒數</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>暫停倒數</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translation>距下次檢驗秒數 </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>間隔（分鐘）</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>閃爍次數上限</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translation>間隔或次數過大</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>提示</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>倒數計時</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>嗶聲提醒</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>提醒時視窗移至最前</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>說明</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>結束</translation>
    </message>
</context>
</TS>
