<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>Desktop</name>
    <message>
        <source>Reality-Check Reminder</source>
        <extracomment>The desktop entry&apos;s GenericName: what the program is, in two or three words.</extracomment>
        <translation>Nhắc kiểm tra thực tại</translation>
    </message>
    <message>
        <source>Reminds you at intervals to check whether you are dreaming</source>
        <extracomment>The desktop entry&apos;s Comment, shown as a tooltip in menus: one short sentence.</extracomment>
        <translation>Định kỳ nhắc bạn kiểm tra xem mình có đang mơ không</translation>
    </message>
    <message>
        <source>lucid;dream;reality check;reminder;timer;</source>
        <extracomment>Search words for the desktop&apos;s menu, each followed by a semicolon. Keep the semicolons.</extracomment>
        <translation>mơ sáng suốt;giấc mơ sáng suốt;giấc mơ;kiểm tra thực tại;nhắc nhở;hẹn giờ;</translation>
    </message>
    <message>
        <source>Reminds you to check whether you are dreaming</source>
        <extracomment>The software centre&apos;s one-line summary, without a full stop.</extracomment>
        <translation>Nhắc bạn kiểm tra xem mình có đang mơ không</translation>
    </message>
    <message>
        <source>Wakeprober counts down an interval you choose and then prompts you, with a flashing box, an optional beep and its window brought in front of all others, to stop for a moment and check whether you are awake or dreaming. Made a habit during the day, the check carries over into your dreams and helps you have lucid dreams at night.</source>
        <extracomment>The software centre&apos;s description: one paragraph.</extracomment>
        <translation>Wakeprober đếm ngược khoảng thời gian bạn chọn, rồi nhắc bạn dừng lại giây lát để kiểm tra xem mình đang thức hay đang mơ, bằng một ô nhấp nháy, tiếng bíp (tùy chọn) và cửa sổ được đưa lên trên mọi cửa sổ khác. Khi đã thành thói quen ban ngày, việc kiểm tra sẽ theo bạn vào giấc mơ và giúp bạn có những giấc mơ sáng suốt vào ban đêm.</translation>
    </message>
    <message>
        <source>The main window prompting for a check</source>
        <extracomment>The caption of the screenshot in the software centre.</extracomment>
        <translation>Cửa sổ chính đang nhắc kiểm tra</translation>
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
        <translation>Trong ngày, cứ sau mỗi khoảng thời gian bạn đặt, Wakeprober lại nhắc bạn kiểm tra xem mình có đang mơ không. Thói quen này theo bạn vào giấc ngủ và giúp bạn có những giấc mơ sáng suốt.
Bấm vào ô “Bắt đầu đếm ngược” ở góc trên bên trái để chạy bộ hẹn giờ; bấm lần nữa vào ô đó, lúc này là “Tạm dừng đếm ngược”, để tạm dừng.
Khi hết giờ, ô thứ hai từ trên xuống nhấp nháy và nhắc bạn kiểm tra; chương trình cũng kêu bíp nếu đã đánh dấu “Kêu bíp khi hết giờ”. Bấm vào ô đang nhấp nháy, hoặc chờ tự động đặt lại.
Đánh dấu “Đưa cửa sổ lên trên khi hết giờ” để khi đó cửa sổ hiện lên trên mọi cửa sổ khác.
Nhập số phút giữa hai lần kiểm tra vào ô cạnh “Số phút đến khi hết giờ” (mặc định 30; dùng dấu chấm thập phân: 0.5).
Nhập số lần nhấp nháy và kêu bíp vào ô cạnh “Số lần báo đến khi đặt lại” (mặc định 20).
Bấm “Thoát” để đóng chương trình.
Vui lòng báo lỗi và gửi góp ý qua trình theo dõi vấn đề của dự án.</translation>
    </message>
    <message>
        <source>Lucid Deam Tips:
Many web sites explain what a lucid dream is and how to have one; search the web for lucid dreaming to find them. One of the main methods is to check often during the day whether you are dreaming, for example whether time runs in a straight line, which it does not in a dream: look at the time, wait a couple of seconds, and look again.</source>
        <extracomment>The help window&apos;s tips, about 417 x 81 px: a heading, a line break, one paragraph.</extracomment>
        <translation>Mẹo để mơ sáng suốt:
Nhiều trang web giải thích giấc mơ sáng suốt là gì và làm sao để có được; hãy tìm “giấc mơ sáng suốt” trên mạng để đọc. Một trong những phương pháp chính là thường xuyên kiểm tra trong ngày xem mình có đang mơ không, chẳng hạn thời gian có trôi đều không, điều không xảy ra trong mơ: xem giờ, đợi vài giây rồi xem lại.</translation>
    </message>
    <message>
        <source>Wakeprober Help</source>
        <extracomment>The help window&apos;s heading: one line of about 113 px.</extracomment>
        <translation>Trợ giúp Wakeprober</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The help window&apos;s button, of about 45 x 29 px.</extracomment>
        <translation>Đóng</translation>
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
        <translation>Chọn tùy chọn cài đặt</translation>
    </message>
    <message>
        <source>Choose who can use Wakeprober and whether it starts by itself.</source>
        <extracomment>Below that title: one short sentence.</extracomment>
        <translation>Chọn ai có thể dùng Wakeprober và chương trình có tự khởi động hay không.</translation>
    </message>
    <message>
        <source>Only for me (no administrator rights needed)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Chỉ cho tôi (không cần quyền quản trị)</translation>
    </message>
    <message>
        <source>For all users of this computer (needs administrator rights)</source>
        <extracomment>A radio button of about 420 x 20 px.</extracomment>
        <translation>Cho mọi người dùng máy tính này (cần quyền quản trị)</translation>
    </message>
    <message>
        <source>Start Wakeprober at sign-in</source>
        <extracomment>A check box of about 420 x 20 px: start the program when a user signs in to Windows.</extracomment>
        <translation>Khởi động Wakeprober khi đăng nhập</translation>
    </message>
    <message>
        <source>Wakeprober is running. Close it, then click Retry.</source>
        <extracomment>A message box with the buttons Retry and Cancel; name the Retry button as Windows does.</extracomment>
        <translation>Wakeprober đang chạy. Hãy đóng Wakeprober rồi bấm Thử lại.</translation>
    </message>
    <message>
        <source>Installing for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights.</extracomment>
        <translation>Việc cài đặt cho mọi người dùng cần được quản trị viên cho phép, nhưng đã không được cho phép.</translation>
    </message>
    <message>
        <source>Removing Wakeprober for all users needs an administrator&apos;s consent, which was not given.</source>
        <extracomment>A message box, after the user refused Windows&apos; request for administrator rights, asked for before the installation for all users is removed (by the setup or the uninstaller).</extracomment>
        <translation>Việc gỡ bỏ Wakeprober cho mọi người dùng cần được quản trị viên cho phép, nhưng đã không được cho phép.</translation>
    </message>
    <message>
        <source>Windows could not run this program with administrator rights: %1</source>
        <extracomment>A message box when Windows could not start the setup or the uninstaller with administrator rights, for a reason other than a refusal. %1 is Windows&apos; own description of the error and its number.</extracomment>
        <translation>Windows không thể chạy chương trình này với quyền quản trị: %1</translation>
    </message>
    <message>
        <source>Wakeprober is installed in %1. This installation replaces it.</source>
        <extracomment>A label of about 420 x 40 px on the setup&apos;s page of choices. %1 is a folder.</extracomment>
        <translation>Wakeprober đã được cài đặt tại %1. Bản cài đặt này sẽ thay thế nó.</translation>
    </message>
</context>
<context>
    <name>Wakeprobe</name>
    <message>
        <source>Do wakeprobe. Click to reset timer</source>
        <extracomment>The flashing prompt box&apos;s caption: wraps in about 55 x 62 px, four short lines.</extracomment>
        <translation>Kiểm tra ngay! Bấm để đặt lại</translation>
    </message>
    <message>
        <source>Start Wakeprobe</source>
        <extracomment>The start box&apos;s caption while paused: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Bắt đầu đếm ngược</translation>
    </message>
    <message>
        <source>Stop Wakeprobe</source>
        <extracomment>The start box&apos;s caption while running: wraps in about 55 x 70 px, three short lines.</extracomment>
        <translation>Tạm dừng đếm ngược</translation>
    </message>
    <message>
        <source>Seconds to next Check </source>
        <extracomment>Shown before the seconds left, on one line of about 160 px with &quot; 1799&quot; after it. Keep the blank at the end.</extracomment>
        <translatorcomment>The colon keeps the seconds apart: without it, &quot;lần kiểm tra 1799&quot; reads as the check numbered 1799.</translatorcomment>
        <translation>Kiểm tra sau (giây): </translation>
    </message>
    <message>
        <source>Minutes till timer triggers</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Số phút đến khi hết giờ</translation>
    </message>
    <message>
        <source>Flashes/Beeps till auto reset</source>
        <extracomment>A text box&apos;s caption: wraps in about 73 x 33 px, two short lines.</extracomment>
        <translation>Số lần báo đến khi đặt lại</translation>
    </message>
    <message>
        <source>Interval or limit too large</source>
        <extracomment>Shown in the countdown box, on one line of about 160 px, when a setting is too large.</extracomment>
        <translation>Số phút hoặc số lần quá lớn</translation>
    </message>
    <message>
        <source>Prompt</source>
        <extracomment>What a screen reader calls the prompt box while it has no caption.</extracomment>
        <translation>Lời nhắc</translation>
    </message>
    <message>
        <source>Countdown</source>
        <extracomment>What a screen reader calls the countdown box.</extracomment>
        <translation>Đếm ngược</translation>
    </message>
    <message>
        <source>Beep when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 62 px, four short lines at most.</extracomment>
        <translation>Kêu bíp khi hết giờ</translation>
    </message>
    <message>
        <source>Window to front when timer triggers</source>
        <extracomment>A check box caption: wraps in about 55 x 54 px, three short lines at most.</extracomment>
        <translation>Đưa cửa sổ lên trên khi hết giờ</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>A button of about 50 x 37 px.</extracomment>
        <translation>Thoát</translation>
    </message>
</context>
</TS>
