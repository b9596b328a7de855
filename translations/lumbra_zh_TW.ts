<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>Lumbra uses Qt %1 (https://www.qt.io), under the LGPL, version 3, libjpeg-turbo (https://libjpeg-turbo.org), under the IJG and BSD licences, Little CMS (https://www.littlecms.com), under the MIT licence, and libheif with libde265 (https://github.com/strukturag), under the LGPL. This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Lumbra 使用 Qt %1（https://www.qt.io，依據 LGPL 第 3 版授權）、libjpeg-turbo（https://libjpeg-turbo.org，依據 IJG 與 BSD 授權）、Little CMS（https://www.littlecms.com，依據 MIT 授權）以及 libheif 與 libde265（https://github.com/strukturag，依據 LGPL 授權）。本軟體部分以 Independent JPEG Group 的成果為基礎。</translation>
    </message>
</context>
<context>
    <name>AddressSettings</name>
    <message>
        <source>Type an address such as https://example.com/pb/.</source>
        <translation>請輸入位址，例如 https://example.com/pb/。</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>位址太長。</translation>
    </message>
    <message>
        <source>The address must begin with http:// or https://.</source>
        <translation>位址必須以 http:// 或 https:// 開頭。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>連接埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>The address has no server name.</source>
        <translation>位址中沒有伺服器名稱。</translation>
    </message>
    <message>
        <source>The server name is not valid.</source>
        <translation>伺服器名稱無效。</translation>
    </message>
    <message>
        <source>The address must not hold a user name or password.</source>
        <translation>位址中不可包含使用者名稱或密碼。</translation>
    </message>
    <message>
        <source>The address must end before any &quot;?&quot; or &quot;#&quot;.</source>
        <translation>位址必須在「?」或「#」之前結束。</translation>
    </message>
</context>
<context>
    <name>AlbumPageTile</name>
    <message>
        <source>Page %1: click to show it; drag it onto another page to swap them, or between two pairs to move it there</source>
        <translation>第 %1 頁：按一下以顯示此頁；拖曳到另一頁上可互換兩頁，拖曳到兩組對頁之間可將它移到該處</translation>
    </message>
</context>
<context>
    <name>AtomicWrite</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
</context>
<context>
    <name>BackgroundDownload</name>
    <message>
        <source>The picture could not be written to the scratch folder</source>
        <translation>無法將圖片寫入暫存資料夾</translation>
    </message>
    <message>
        <source>it is not a web address</source>
        <translation>這不是網址</translation>
    </message>
    <message>
        <source>the site named it &quot;%1&quot;, which cannot be a background&apos;s name</source>
        <translation>網站將其命名為「%1」，該名稱不能用作背景名稱</translation>
    </message>
    <message>
        <source>its picture is not a JPEG file</source>
        <translation>其圖片不是 JPEG 檔案</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>the download failed: %1</source>
        <translation>下載失敗：%1</translation>
    </message>
</context>
<context>
    <name>BackgroundDownloadDialog</name>
    <message>
        <source>These backgrounds could not be downloaded:</source>
        <translation>以下背景無法下載：</translation>
    </message>
</context>
<context>
    <name>BackgroundTile</name>
    <message>
        <source>No Background on All Pages</source>
        <translation>移除所有頁面的背景</translation>
    </message>
    <message>
        <source>%1: drag it onto a page; right-click to put it on all, left or right pages</source>
        <translation>%1：拖曳到頁面上即可套用；按右鍵可套用到所有頁面、左頁或右頁</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>The book could not be saved.</source>
        <translation>相簿未能儲存。</translation>
    </message>
</context>
<context>
    <name>BookCheckDialog</name>
    <message>
        <source>Check Book</source>
        <translation>檢查相簿</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>頁</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳情</translation>
    </message>
    <message>
        <source>No problems found: the book is ready to print.</source>
        <translation>未發現問題：相簿可以列印了。</translation>
    </message>
    <message>
        <source>%1. Click a problem to see its page and box.</source>
        <translation>%1。點選一個問題可查看它所在的頁面與框。</translation>
    </message>
</context>
<context>
    <name>BookChecks</name>
    <message>
        <source>They may come out badly in print. Look at them first?</source>
        <translation>這些問題可能使列印效果不佳。先查看一下嗎？</translation>
    </message>
</context>
<context>
    <name>BookExports</name>
    <message>
        <source>1 page</source>
        <translation>1 頁</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 頁</translation>
    </message>
    <message>
        <source>The preview is ready: %1 in</source>
        <translation>預覽已完成：%1，位於</translation>
    </message>
    <message>
        <source>%1 could not be written:</source>
        <translation>%1無法寫入：</translation>
    </message>
    <message>
        <source>Open the folder?</source>
        <translation>是否要開啟該資料夾？</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>The folder could not be opened on this desktop. The preview pages are in:</source>
        <translation>無法在此桌面上開啟資料夾。預覽頁面位於：</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>匯出為 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the PDF...</source>
        <translation>正在寫入 PDF……</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The PDF could not be written:</source>
        <translation>無法寫入 PDF：</translation>
    </message>
    <message numerus="yes">
        <source>The PDF is ready: %n page(s).</source>
        <translation>
            <numerusform>PDF 已完成：共 %n 頁。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookLock</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（處理程序 %2）</translation>
    </message>
    <message>
        <source>The book&apos;s lock cannot be taken: %1</source>
        <translation>無法鎖定相簿：%1</translation>
    </message>
    <message>
        <source>The book is being changed by another Lumbra.</source>
        <translation>另一個 Lumbra 正在修改此相簿。</translation>
    </message>
    <message>
        <source>The book is being changed by %1.</source>
        <translation>%1 正在修改此相簿。</translation>
    </message>
</context>
<context>
    <name>BookManager</name>
    <message>
        <source>the Lumbra window</source>
        <translation>Lumbra 視窗</translation>
    </message>
</context>
<context>
    <name>BookProblemText</name>
    <message>
        <source>Low resolution</source>
        <translation>解析度過低</translation>
    </message>
    <message>
        <source>Empty photo box</source>
        <translation>空相片框</translation>
    </message>
    <message>
        <source>Empty page</source>
        <translation>空白頁面</translation>
    </message>
    <message>
        <source>Text does not fit</source>
        <translation>文字放不下</translation>
    </message>
    <message>
        <source>Photo used twice</source>
        <translation>相片重複使用</translation>
    </message>
    <message>
        <source>Text near the edge</source>
        <translation>文字靠近邊緣</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the left edge</source>
        <translation>文字框 %1：距左邊緣 %2 公釐</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the top edge</source>
        <translation>文字框 %1：距上邊緣 %2 公釐</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the right edge</source>
        <translation>文字框 %1：距右邊緣 %2 公釐</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the bottom edge</source>
        <translation>文字框 %1：距下邊緣 %2 公釐</translation>
    </message>
    <message>
        <source>text box %1: the text is cut</source>
        <translation>文字框 %1：文字被截斷</translation>
    </message>
    <message>
        <source>text box %1: 1 line cut</source>
        <translation>文字框 %1：1 行被截斷</translation>
    </message>
    <message>
        <source>text box %1: %2 lines cut</source>
        <translation>文字框 %1：%2 行被截斷</translation>
    </message>
    <message>
        <source>photo box %1: %2 pixels per inch, %3 needed</source>
        <translation>相片框 %1：每英吋 %2 像素，至少需要 %3</translation>
    </message>
    <message>
        <source>photo box %1 has no photo</source>
        <translation>相片框 %1 中沒有相片</translation>
    </message>
    <message>
        <source>nothing on the page</source>
        <translation>頁面上什麼都沒有</translation>
    </message>
    <message>
        <source>photo box %1: the same photo as on page %2</source>
        <translation>相片框 %1：與第 %2 頁上的相片相同</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>未發現問題</translation>
    </message>
    <message>
        <source>1 problem found</source>
        <translation>發現 1 個問題</translation>
    </message>
    <message>
        <source>%1 problems found</source>
        <translation>發現 %1 個問題</translation>
    </message>
</context>
<context>
    <name>BookSession</name>
    <message>
        <source>Import Photos</source>
        <translation>匯入相片</translation>
    </message>
    <message>
        <source>Place Photo</source>
        <translation>放入相片</translation>
    </message>
    <message>
        <source>Delete Photo</source>
        <translation>刪除相片</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>移除相片</translation>
    </message>
    <message>
        <source>Add Page</source>
        <translation>新增頁面</translation>
    </message>
    <message>
        <source>Delete Page</source>
        <translation>刪除頁面</translation>
    </message>
    <message>
        <source>Swap Pages</source>
        <translation>互換頁面</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>移動對頁</translation>
    </message>
    <message>
        <source>Move Page</source>
        <translation>移動頁面</translation>
    </message>
    <message>
        <source>Swap Photos</source>
        <translation>互換相片</translation>
    </message>
    <message>
        <source>Change Template</source>
        <translation>更換版面</translation>
    </message>
    <message>
        <source>Set Background</source>
        <translation>設定背景</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>移除背景</translation>
    </message>
    <message>
        <source>Fill Book</source>
        <translation>填滿相簿</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>編輯文字</translation>
    </message>
    <message>
        <source>Edit Photo</source>
        <translation>編輯相片</translation>
    </message>
</context>
<context>
    <name>BookUpload</name>
    <message>
        <source>The page could not be made.</source>
        <translation>未能產生該頁面。</translation>
    </message>
    <message>
        <source>No network access</source>
        <translation>無法存取網路</translation>
    </message>
    <message>
        <source>the service did not confirm the cancel: %1</source>
        <translation>服務未確認取消：%1</translation>
    </message>
    <message>
        <source>the service did not confirm the order: %1</source>
        <translation>服務未確認訂單：%1</translation>
    </message>
</context>
<context>
    <name>BookView</name>
    <message>
        <source>Size of the pages on the screen</source>
        <translation>頁面在螢幕上的顯示大小</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>刪除此頁</translation>
    </message>
</context>
<context>
    <name>ButtonTips</name>
    <message>
        <source>Zoom out: show more of the photo</source>
        <translation>縮小：顯示相片的更多部分</translation>
    </message>
    <message>
        <source>Zoom in: show less of the photo, larger</source>
        <translation>放大：顯示相片的較少部分，顯示得更大</translation>
    </message>
    <message>
        <source>Zoom; drag the photo to choose the part the box shows</source>
        <translation>縮放；拖曳相片可選擇框中顯示的部分</translation>
    </message>
    <message>
        <source>Turn the photo a quarter to the left</source>
        <translation>將相片向左旋轉 90 度</translation>
    </message>
    <message>
        <source>Turn the photo a quarter to the right</source>
        <translation>將相片向右旋轉 90 度</translation>
    </message>
    <message>
        <source>Done: close the photo editor</source>
        <translation>完成：關閉相片編輯器</translation>
    </message>
    <message>
        <source>Font of the selected text</source>
        <translation>所選文字的字型</translation>
    </message>
    <message>
        <source>Size of the selected text, in points</source>
        <translation>所選文字的大小（點）</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
    <message>
        <source>Align the paragraph left</source>
        <translation>段落靠左對齊</translation>
    </message>
    <message>
        <source>Centre the paragraph</source>
        <translation>段落置中</translation>
    </message>
    <message>
        <source>Align the paragraph right</source>
        <translation>段落靠右對齊</translation>
    </message>
    <message>
        <source>Colour of the selected text</source>
        <translation>所選文字的色彩</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source>Lumbra is already running; its window was brought to the front.</source>
        <translation>Lumbra 已在執行，已將其視窗帶到最前面。</translation>
    </message>
    <message>
        <source>Lumbra is already running for this user. Use its window, or close it before starting Lumbra again.</source>
        <translation>此使用者的 Lumbra 已在執行。請使用已開啟的視窗，或先將它關閉再重新啟動 Lumbra。</translation>
    </message>
    <message>
        <source>cannot write to %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>%1 of %2 pages written to %3</source>
        <translation>已將 %1 頁（共 %2 頁）寫入 %3</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 需要一個資料夾</translation>
    </message>
    <message>
        <source>only one command at a time</source>
        <translation>一次只能執行一個指令</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>不明的選項「%1」</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>未指定指令</translation>
    </message>
    <message>
        <source>%1 needs a book and at least one file</source>
        <translation>%1 需要一本相簿和至少一個檔案</translation>
    </message>
    <message>
        <source>%1 needs a book and a folder</source>
        <translation>%1 需要一本相簿和一個資料夾</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a book name</source>
        <translation>「%1」不能用作相簿名稱</translation>
    </message>
    <message>
        <source>the book &quot;%1&quot; is open in the running Lumbra window; open another book there or close the window first</source>
        <translation>相簿「%1」已在執行中的 Lumbra 視窗中開啟；請在該視窗中開啟另一本相簿，或先關閉該視窗</translation>
    </message>
    <message>
        <source>there is no book &quot;%1&quot; in %2</source>
        <translation>%2 中沒有相簿「%1」</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>不明的引數「%1」</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一個值</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 必須與 %2 一起使用</translation>
    </message>
    <message>
        <source>usage: lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]   (N: 0-based page index to resume from)</source>
        <translation>用法：lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]   （N：從第幾頁繼續，頁碼從 0 起算）</translation>
    </message>
    <message>
        <source>%1 needs a page index of 0 or more</source>
        <translation>%1 需要一個不小於 0 的頁碼</translation>
    </message>
    <message>
        <source>%1 needs a book, an order id and a cover</source>
        <translation>%1 需要一本相簿、一個訂單編號和一個封面</translation>
    </message>
    <message>
        <source>page %1 of %2 sent</source>
        <translation>第 %1 頁（共 %2 頁）已傳送</translation>
    </message>
    <message>
        <source>lumbra: page %1 refused: %2%3</source>
        <translation>lumbra：第 %1 頁遭拒：%2%3</translation>
    </message>
    <message>
        <source> (sending it again)</source>
        <translation>（正在重新傳送）</translation>
    </message>
    <message>
        <source>order %1 %2</source>
        <translation>訂單 %1 %2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>order %1 not confirmed</source>
        <translation>訂單 %1 未確認</translation>
    </message>
    <message>
        <source>lumbra: every page was sent, but %1; resume with %2 %3</source>
        <translation>lumbra：所有頁面皆已傳送，但%1；請以 %2 %3 繼續</translation>
    </message>
    <message>
        <source>upload cancelled</source>
        <translation>上傳已取消</translation>
    </message>
    <message>
        <source>page %1 of %2 failed</source>
        <translation>第 %1 頁（共 %2 頁）失敗</translation>
    </message>
    <message>
        <source>lumbra: page %1 failed%2; resume with %3 %4</source>
        <translation>lumbra：第 %1 頁失敗%2；請以 %3 %4 繼續</translation>
    </message>
    <message>
        <source>the book has only %1 pages</source>
        <translation>此相簿只有 %1 頁</translation>
    </message>
    <message>
        <source>Page %1: 1 photo</source>
        <translation>第 %1 頁：1 張相片</translation>
    </message>
    <message>
        <source>Page %1: %2 photos</source>
        <translation>第 %1 頁：%2 張相片</translation>
    </message>
    <message>
        <source>%1 (new page)</source>
        <translation>%1（新頁面）</translation>
    </message>
    <message>
        <source>%1 photos placed on %2 pages, %3 left over</source>
        <translation>已將 %1 張相片放到 %2 頁上，剩餘 %3 張</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>已將 %1 頁寫入 %2</translation>
    </message>
    <message>
        <source>%1 needs a book</source>
        <translation>%1 需要一本相簿</translation>
    </message>
    <message>
        <source>%1 needs a book and a file</source>
        <translation>%1 需要一本相簿和一個檔案</translation>
    </message>
    <message>
        <source>%1 lies in the books folder; choose a place outside it</source>
        <translation>%1 位於相簿資料夾中；請選擇該資料夾以外的位置</translation>
    </message>
    <message>
        <source>%1 holds a folder name that is not valid text; Lumbra keeps no books there. Start it with %1 set to a folder whose name is.</source>
        <translation>%1 所指的資料夾名稱不是有效的文字；Lumbra 不會在那裡保存相簿。請將 %1 設為名稱有效的資料夾後再啟動。</translation>
    </message>
    <message>
        <source>the book &quot;%1&quot; cannot be opened: %2</source>
        <translation>無法開啟相簿「%1」：%2</translation>
    </message>
    <message>
        <source>usage: lumbra [--screenshot FILE [--scene NAME]]
       lumbra [--books-folder DIR] --import BOOK FILE...
       lumbra [--books-folder DIR] --preview BOOK FOLDER
       lumbra [--books-folder DIR] --print BOOK FOLDER
       lumbra [--books-folder DIR] --fill BOOK
       lumbra [--books-folder DIR] --pdf BOOK FILE
       lumbra [--books-folder DIR] --check BOOK
       lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]
       lumbra --help | --version

Without a command lumbra opens its window; the commands run without one.
  --import BOOK FILE...  import photos into BOOK (made when missing), one status line per file
  --preview BOOK FOLDER  write the preview pages as FOLDER/BOOK/PG1.jpg ... (600 x 452)
  --print BOOK FOLDER    write every page at print size as FOLDER/1.jpg, 2.jpg ...
  --fill BOOK            lay the photos on no page onto the empty boxes and pages in the
                         order taken (pages added up to 100), one line per page filled
  --pdf BOOK FILE        write the book as one PDF (print pictures, text kept as text)
  --check BOOK           list what would come out badly in print, a line per problem
                         (page N: KIND: detail), then their count
  --upload BOOK ORDER_ID COVER  send BOOK&apos;s print pages to the order service, one line per page
  --start N              with --upload: resume from the 0-based page index N
  --books-folder DIR     with a command: the books in DIR, not the user&apos;s books folder
  --screenshot FILE      open the window, write a screenshot of the screen to FILE, quit
  --scene NAME           with --screenshot: show the scene NAME first (see below)
  -h, --help             print this help and exit
  -v, --version          print the version and exit
  -platform NAME ...     Qt&apos;s own options (-style NAME, -session ID, ...), passed to Qt

Scenes: column, photo-editor, text-editor, album, backgrounds, column-album,
        column-backgrounds, background-download, order-verify, order-cover,
        order-upload, order-payment, order-status, update-notice, message-box,
        file-dialog, preferences.

Exit codes: 0 done, 1 start-up failed, 2 bad arguments or book name, 3 no such book,
            4 output folder not writable, 5 some files or pages failed,
            6 the book is open in a window or another command is changing it,
            7 the check found problems.
</source>
        <translation>用法：lumbra [--screenshot FILE [--scene NAME]]
      lumbra [--books-folder DIR] --import BOOK FILE...
      lumbra [--books-folder DIR] --preview BOOK FOLDER
      lumbra [--books-folder DIR] --print BOOK FOLDER
      lumbra [--books-folder DIR] --fill BOOK
      lumbra [--books-folder DIR] --pdf BOOK FILE
      lumbra [--books-folder DIR] --check BOOK
      lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]
      lumbra --help | --version

不加指令時，lumbra 會開啟視窗；以下指令不開啟視窗執行。
  --import BOOK FILE...  將相片匯入相簿 BOOK（不存在時新增），每個檔案輸出一行狀態
  --preview BOOK FOLDER  將預覽頁面寫成 FOLDER/BOOK/PG1.jpg ...（600 x 452）
  --print BOOK FOLDER    將每一頁依列印尺寸寫成 FOLDER/1.jpg、2.jpg ...
  --fill BOOK            將尚未放到頁面上的相片依拍攝時間順序放入空的相片框和空白頁面
                         （必要時新增頁面，最多至 100 頁），每填好一頁輸出一行
  --pdf BOOK FILE        將相簿寫成一個 PDF 檔案（圖片為列印品質，文字保留為文字）
  --check BOOK           列出列印效果可能不佳之處，每個問題一行
                         （page N: KIND: 詳情），最後是問題數
  --upload BOOK ORDER_ID COVER  將相簿 BOOK 的列印頁面傳送到訂購服務，每頁輸出一行
  --start N              與 --upload 一起使用：從頁碼 N（從 0 起算）繼續
  --books-folder DIR     與指令一起使用：使用 DIR 中的相簿，而非使用者的相簿資料夾
  --screenshot FILE      開啟視窗，將螢幕擷圖寫入 FILE，然後結束
  --scene NAME           與 --screenshot 一起使用：先顯示場景 NAME（見下文）
  -h, --help             顯示此說明並結束
  -v, --version          顯示版本並結束
  -platform NAME ...     Qt 本身的選項（-style NAME、-session ID 等），交由 Qt 處理

場景：column、photo-editor、text-editor、album、backgrounds、column-album、
      column-backgrounds、background-download、order-verify、order-cover、
      order-upload、order-payment、order-status、update-notice、message-box、
      file-dialog、preferences。

結束代碼：0 完成，1 啟動失敗，2 引數或相簿名稱錯誤，3 沒有該相簿，
          4 輸出資料夾無法寫入，5 部分檔案或頁面失敗，
          6 該相簿已在某個視窗中開啟，或另一個命令正在修改它，
          7 檢查發現了問題。
</translation>
    </message>
</context>
<context>
    <name>EditorToolbar</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>FileWriteQueue</name>
    <message>
        <source>A file could not be written.</source>
        <translation>未能寫入檔案。</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>No web browser could be started. Open this address in a browser by hand:</source>
        <translation>無法啟動網頁瀏覽器。請自行在瀏覽器中開啟以下網址：</translation>
    </message>
    <message>
        <source>edit.html</source>
        <comment>file name of the user guide in this language</comment>
        <translation>edit_zh_TW.html</translation>
    </message>
    <message>
        <source>question.html</source>
        <comment>file name of the questions page in this language</comment>
        <translation>question_zh_TW.html</translation>
    </message>
</context>
<context>
    <name>ImportTally</name>
    <message>
        <source>%1 added, %2 not added</source>
        <translation>已加入 %1 張，未加入 %2 張</translation>
    </message>
    <message>
        <source>, %1 already in the book</source>
        <translation>，%1 張已在相簿中</translation>
    </message>
</context>
<context>
    <name>IntroductionPanel</name>
    <message>
        <source>&lt;b&gt;Your first book in four steps&lt;/b&gt;&lt;ol&gt;&lt;li&gt;Import your photos: &lt;b&gt;Ctrl+O&lt;/b&gt;, or drop photos or a folder on the photos pane.&lt;/li&gt;&lt;li&gt;Pick a layout for a page: drag a template onto it.&lt;/li&gt;&lt;li&gt;Drag photos into the boxes; double-click a photo to zoom, move or turn it, a text box to type.&lt;/li&gt;&lt;li&gt;Look at the result with %1, then order it with %2.&lt;/li&gt;&lt;/ol&gt;Every change is saved at once; &lt;b&gt;Ctrl+Z&lt;/b&gt; takes the last one back.</source>
        <translation>&lt;b&gt;四個步驟做好第一本相簿&lt;/b&gt;&lt;ol&gt;&lt;li&gt;匯入相片：按 &lt;b&gt;Ctrl+O&lt;/b&gt;，或將相片或資料夾拖放到相片窗格上。&lt;/li&gt;&lt;li&gt;為頁面選擇版面：將版面拖曳到頁面上。&lt;/li&gt;&lt;li&gt;將相片拖進相片框；按兩下相片可縮放、移動或旋轉，按兩下文字方塊可輸入文字。&lt;/li&gt;&lt;li&gt;選擇%1檢視成果，然後選擇%2訂購。&lt;/li&gt;&lt;/ol&gt;每一項變更都會立即儲存；按 &lt;b&gt;Ctrl+Z&lt;/b&gt; 可復原上一步。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Which layouts to list: by the number of photos</source>
        <translation>依相片數量篩選要列出的版面</translation>
    </message>
    <message>
        <source>“%1”</source>
        <comment>a book name in quotes</comment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>There are no photos in the photos pane to fill the book with.</source>
        <translation>相片窗格中沒有可用來填滿相簿的相片。</translation>
    </message>
    <message>
        <source>The book has no empty box or page left for the photos.</source>
        <translation>相簿中已沒有可放相片的空相片框或空白頁面。</translation>
    </message>
    <message>
        <source>Fill Book</source>
        <translation>填滿相簿</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) did not fit into the book.</source>
        <translation>
            <numerusform>有 %n 張相片未能放入相簿。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>偏好設定(&amp;P)...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>匯出為 PDF...</translation>
    </message>
    <message>
        <source>The command could not be completed.</source>
        <translation>未能完成該命令。</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>Check Book...</source>
        <translation>檢查相簿...</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; is not opened.</source>
        <translation>相簿「%1」未開啟。</translation>
    </message>
    <message>
        <source>Open it again when that has finished.</source>
        <translation>待其完成後再開啟。</translation>
    </message>
    <message>
        <source>The photo file was not taken.</source>
        <translation>未能採用此相片檔案。</translation>
    </message>
    <message>
        <source>Find Photo File</source>
        <translation>尋找相片檔案</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) placed</source>
        <translation>
            <numerusform>%n 張相片已放到</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>on %n page(s).</source>
        <translation>
            <numerusform>%n 頁上。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MarkerTips</name>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 × %2 公釐</translation>
    </message>
    <message>
        <source>This photo has %1 pixels</source>
        <translation>這張相片有 %1 像素</translation>
    </message>
    <message>
        <source>; the box shows %1 of them</source>
        <translation>，相片框顯示其中的 %1</translation>
    </message>
    <message>
        <source>For a sharp print this box (%1) needs at least %2; it is printed at %3.</source>
        <translation>要清晰列印，這個相片框（%1）至少需要 %2；實際列印為 %3。</translation>
    </message>
    <message>
        <source>Zoom out, use a larger photo or a smaller box.</source>
        <translation>請縮小相片、改用較大的相片或較小的相片框。</translation>
    </message>
    <message>
        <source>Use a larger photo or a smaller box.</source>
        <translation>請改用較大的相片或較小的相片框。</translation>
    </message>
    <message>
        <source>1 line is cut</source>
        <translation>有 1 行被截斷</translation>
    </message>
    <message>
        <source>%1 lines are cut</source>
        <translation>有 %1 行被截斷</translation>
    </message>
    <message>
        <source>The text does not fit its box: %1. Shorten it, use a smaller size or a larger box.</source>
        <translation>文字超出了文字方塊：%1。請縮短文字、縮小字型大小或改用較大的文字方塊。</translation>
    </message>
</context>
<context>
    <name>OrderLoadFailure</name>
    <message>
        <source>The print service cannot be reached</source>
        <translation>無法連線到列印服務</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重試(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>偏好設定(&amp;P)...</translation>
    </message>
    <message>
        <source>The page %1 could not be loaded: %2.

Check the connection to the internet, then press Retry. If the print service has moved, set its new address in the Preferences.</source>
        <translation>無法載入頁面 %1：%2。

請檢查網際網路連線，然後按「重試」。如果列印服務已搬移，請在「偏好設定」中設定其新網址。</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>沒有回應</translation>
    </message>
</context>
<context>
    <name>OrderWizard</name>
    <message>
        <source>The order %1 could not be cancelled at the service: %2. It may still be open there; ask the service to cancel it.</source>
        <translation>無法在服務端取消訂單 %1：%2。該訂單可能仍未關閉，請聯絡服務方取消。</translation>
    </message>
    <message>
        <source>Order &amp;code:</source>
        <translation>訂單代碼(&amp;C)：</translation>
    </message>
    <message>
        <source>The upload could not start.</source>
        <translation>上傳未能開始。</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>Page %1: %2</source>
        <translation>第 %1 頁：%2</translation>
    </message>
    <message>
        <source>Page %1: photo %2 could not be read</source>
        <translation>第 %1 頁：無法讀取相片 %2</translation>
    </message>
    <message>
        <source>the page could not be made</source>
        <translation>未能產生該頁面</translation>
    </message>
    <message>
        <source>the page file could not be written</source>
        <translation>未能寫入頁面檔案</translation>
    </message>
    <message>
        <source>The PDF file could not be made.</source>
        <translation>未能產生 PDF 檔案。</translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source>Photo file missing</source>
        <translation>相片檔案遺失</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Remove Photo</source>
        <translation>移除相片</translation>
    </message>
    <message>
        <source>Find Photo File...</source>
        <translation>尋找相片檔案...</translation>
    </message>
</context>
<context>
    <name>PhotoImageFiles</name>
    <message>
        <source>The photo&apos;s files could not be made in the book&apos;s folder</source>
        <translation>無法在相簿資料夾中產生該照片的檔案</translation>
    </message>
</context>
<context>
    <name>PhotoRefusal</name>
    <message>
        <source>Cannot be read (missing, a folder, or no permission)</source>
        <translation>無法讀取（檔案不存在、是資料夾或沒有權限）</translation>
    </message>
    <message>
        <source>Too large: %1 (the limit is %2 pixels a side, %3 megapixels, %4 MB)</source>
        <translation>過大：%1（上限為每邊 %L2 像素、%L3 百萬像素、%L4 MB）</translation>
    </message>
    <message>
        <source>Too small to print: %1</source>
        <translation>過小，無法列印：%1</translation>
    </message>
    <message>
        <source> (JPEG, HEIC, PNG, TIFF and WebP pictures are taken)</source>
        <translation>（可匯入 JPEG、HEIC、PNG、TIFF 與 WebP 圖片）</translation>
    </message>
    <message>
        <source> (a %1 picture; JPEG, HEIC, PNG, TIFF and WebP are taken)</source>
        <translation>（是 %1 圖片；可匯入 JPEG、HEIC、PNG、TIFF 和 WebP）</translation>
    </message>
    <message>
        <source>Damaged or cut-off picture</source>
        <translation>圖片已損毀或不完整</translation>
    </message>
</context>
<context>
    <name>PhotoRelink</name>
    <message>
        <source>Not a picture that can be taken</source>
        <translation>不是可以採用的圖片</translation>
    </message>
</context>
<context>
    <name>PhotoTile</name>
    <message>
        <source>%1 x %2 pixels. Drag it onto a photo box of a page.</source>
        <translation>%1 × %2 像素。拖曳到頁面的相片框中即可使用。</translation>
    </message>
</context>
<context>
    <name>PhotoTileDeleteButton</name>
    <message>
        <source>Remove photo from the book</source>
        <translation>從相簿中移除相片</translation>
    </message>
</context>
<context>
    <name>PhotosPane</name>
    <message>
        <source>Import photos (Ctrl+O) or drop them here</source>
        <translation>匯入相片（Ctrl+O），或將相片拖放到這裡</translation>
    </message>
    <message>
        <source>Fill Book</source>
        <translation>填滿相簿</translation>
    </message>
    <message>
        <source>Lay these photos onto the empty boxes and pages, in the order taken</source>
        <translation>依拍攝時間順序將這些相片放入空的相片框和空白頁面</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Print &amp;service address:</source>
        <translation>列印服務網址(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Background site address:</source>
        <translation>背景網站網址(&amp;B)：</translation>
    </message>
    <message>
        <source>Leave a field empty to use the address the program came with.</source>
        <translation>欄位留空時，使用程式內建的網址。</translation>
    </message>
    <message>
        <source>Set for this run by the environment variable %1; it can only be changed there.</source>
        <translation>本次執行由環境變數 %1 設定；只能在那裡變更。</translation>
    </message>
</context>
<context>
    <name>PreparedPage</name>
    <message>
        <source>The page could not be made.</source>
        <translation>未能產生該頁面。</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>磁碟機</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Show Problems</source>
        <translation>查看問題</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>仍然繼續</translation>
    </message>
</context>
<context>
    <name>RenameBookForm</name>
    <message>
        <source>The book could not be renamed to &quot;%1&quot;: the folder could not be renamed (is a file of the book open in another program?).</source>
        <translation>無法將相簿重新命名為「%1」：資料夾無法重新命名（相簿中的檔案是否正由其他程式使用？）。</translation>
    </message>
</context>
<context>
    <name>SidePane</name>
    <message>
        <source>Choose more backgrounds and download them</source>
        <translation>挑選並下載更多背景</translation>
    </message>
</context>
<context>
    <name>TemplatesPaneMath</name>
    <message>
        <source>1 photo</source>
        <translation>1 張相片</translation>
    </message>
    <message>
        <source>%1 photos</source>
        <translation>%1 張相片</translation>
    </message>
    <message>
        <source>1 text box</source>
        <translation>1 個文字方塊</translation>
    </message>
    <message>
        <source>%1 text boxes</source>
        <translation>%1 個文字方塊</translation>
    </message>
    <message>
        <source>Layout with %1 and %2. Drag it onto a page to use it.</source>
        <translation>含%1和%2的版面。拖曳到頁面上即可套用。</translation>
    </message>
</context>
<context>
    <name>UndoRedoItems</name>
    <message>
        <source>Undo %1</source>
        <translation>復原「%1」</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>取消復原「%1」</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>取消復原</translation>
    </message>
</context>
</TS>
