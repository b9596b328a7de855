<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>Lumbra uses Qt %1 (https://www.qt.io), under the LGPL, version 3, libjpeg-turbo (https://libjpeg-turbo.org), under the IJG and BSD licences, Little CMS (https://www.littlecms.com), under the MIT licence, and libheif with libde265 (https://github.com/strukturag), under the LGPL. This software is based in part on the work of the Independent JPEG Group.</source>
        <translation>Lumbra 使用 Qt %1（https://www.qt.io，依据 LGPL 第 3 版许可）、libjpeg-turbo（https://libjpeg-turbo.org，依据 IJG 和 BSD 许可）、Little CMS（https://www.littlecms.com，依据 MIT 许可）以及 libheif 和 libde265（https://github.com/strukturag，依据 LGPL 许可）。本软件部分基于 Independent JPEG Group 的成果。</translation>
    </message>
</context>
<context>
    <name>AddressSettings</name>
    <message>
        <source>Type an address such as https://example.com/pb/.</source>
        <translation>请输入地址，例如 https://example.com/pb/。</translation>
    </message>
    <message>
        <source>The address is too long.</source>
        <translation>地址太长。</translation>
    </message>
    <message>
        <source>The address must begin with http:// or https://.</source>
        <translation>地址必须以 http:// 或 https:// 开头。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>The address has no server name.</source>
        <translation>地址中没有服务器名称。</translation>
    </message>
    <message>
        <source>The server name is not valid.</source>
        <translation>服务器名称无效。</translation>
    </message>
    <message>
        <source>The address must not hold a user name or password.</source>
        <translation>地址中不能包含用户名或密码。</translation>
    </message>
    <message>
        <source>The address must end before any &quot;?&quot; or &quot;#&quot;.</source>
        <translation>地址必须在“?”或“#”之前结束。</translation>
    </message>
</context>
<context>
    <name>AlbumPageTile</name>
    <message>
        <source>Page %1: click to show it; drag it onto another page to swap them, or between two pairs to move it there</source>
        <translation>第 %1 页：单击显示该页；拖到另一页上可互换两页，拖到两组对页之间可将其移到该处</translation>
    </message>
</context>
<context>
    <name>AtomicWrite</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>BackgroundDownload</name>
    <message>
        <source>The picture could not be written to the scratch folder</source>
        <translation>无法将图片写入临时文件夹</translation>
    </message>
    <message>
        <source>it is not a web address</source>
        <translation>这不是网址</translation>
    </message>
    <message>
        <source>the site named it &quot;%1&quot;, which cannot be a background&apos;s name</source>
        <translation>网站将其命名为“%1”，该名称不能用作背景名称</translation>
    </message>
    <message>
        <source>its picture is not a JPEG file</source>
        <translation>其图片不是 JPEG 文件</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>the download failed: %1</source>
        <translation>下载失败：%1</translation>
    </message>
</context>
<context>
    <name>BackgroundDownloadDialog</name>
    <message>
        <source>These backgrounds could not be downloaded:</source>
        <translation>以下背景未能下载：</translation>
    </message>
</context>
<context>
    <name>BackgroundTile</name>
    <message>
        <source>No Background on All Pages</source>
        <translation>取消所有页面的背景</translation>
    </message>
    <message>
        <source>%1: drag it onto a page; right-click to put it on all, left or right pages</source>
        <translation>%1：拖到页面上即可使用；右键单击可用于所有页面、左页或右页</translation>
    </message>
</context>
<context>
    <name>Book</name>
    <message>
        <source>The book could not be saved.</source>
        <translation>相册未能保存。</translation>
    </message>
</context>
<context>
    <name>BookCheckDialog</name>
    <message>
        <source>Check Book</source>
        <translation>检查相册</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>No problems found: the book is ready to print.</source>
        <translation>未发现问题：相册可以打印了。</translation>
    </message>
    <message>
        <source>%1. Click a problem to see its page and box.</source>
        <translation>%1。点击一个问题可查看它所在的页面和框。</translation>
    </message>
</context>
<context>
    <name>BookChecks</name>
    <message>
        <source>They may come out badly in print. Look at them first?</source>
        <translation>这些问题可能使打印效果不佳。先查看一下吗？</translation>
    </message>
</context>
<context>
    <name>BookExports</name>
    <message>
        <source>1 page</source>
        <translation>1 页</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 页</translation>
    </message>
    <message>
        <source>The preview is ready: %1 in</source>
        <translation>预览已完成：%1，位于</translation>
    </message>
    <message>
        <source>%1 could not be written:</source>
        <translation>%1未能写入：</translation>
    </message>
    <message>
        <source>Open the folder?</source>
        <translation>是否打开该文件夹？</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>The folder could not be opened on this desktop. The preview pages are in:</source>
        <translation>无法在此桌面上打开文件夹。预览页面位于：</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>导出为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Writing the PDF...</source>
        <translation>正在写入 PDF……</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The PDF could not be written:</source>
        <translation>未能写入 PDF：</translation>
    </message>
    <message numerus="yes">
        <source>The PDF is ready: %n page(s).</source>
        <translation>
            <numerusform>PDF 已完成：共 %n 页。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BookLock</name>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1（进程 %2）</translation>
    </message>
    <message>
        <source>The book&apos;s lock cannot be taken: %1</source>
        <translation>无法锁定相册：%1</translation>
    </message>
    <message>
        <source>The book is being changed by another Lumbra.</source>
        <translation>另一个 Lumbra 正在修改该相册。</translation>
    </message>
    <message>
        <source>The book is being changed by %1.</source>
        <translation>%1 正在修改该相册。</translation>
    </message>
</context>
<context>
    <name>BookManager</name>
    <message>
        <source>the Lumbra window</source>
        <translation>Lumbra 窗口</translation>
    </message>
</context>
<context>
    <name>BookProblemText</name>
    <message>
        <source>Low resolution</source>
        <translation>分辨率过低</translation>
    </message>
    <message>
        <source>Empty photo box</source>
        <translation>空照片框</translation>
    </message>
    <message>
        <source>Empty page</source>
        <translation>空白页面</translation>
    </message>
    <message>
        <source>Text does not fit</source>
        <translation>文字放不下</translation>
    </message>
    <message>
        <source>Photo used twice</source>
        <translation>照片重复使用</translation>
    </message>
    <message>
        <source>Text near the edge</source>
        <translation>文字靠近边缘</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the left edge</source>
        <translation>文本框 %1：距左边缘 %2 毫米</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the top edge</source>
        <translation>文本框 %1：距上边缘 %2 毫米</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the right edge</source>
        <translation>文本框 %1：距右边缘 %2 毫米</translation>
    </message>
    <message>
        <source>text box %1: %2 mm from the bottom edge</source>
        <translation>文本框 %1：距下边缘 %2 毫米</translation>
    </message>
    <message>
        <source>text box %1: the text is cut</source>
        <translation>文本框 %1：文字被截断</translation>
    </message>
    <message>
        <source>text box %1: 1 line cut</source>
        <translation>文本框 %1：1 行被截断</translation>
    </message>
    <message>
        <source>text box %1: %2 lines cut</source>
        <translation>文本框 %1：%2 行被截断</translation>
    </message>
    <message>
        <source>photo box %1: %2 pixels per inch, %3 needed</source>
        <translation>照片框 %1：每英寸 %2 像素，至少需要 %3</translation>
    </message>
    <message>
        <source>photo box %1 has no photo</source>
        <translation>照片框 %1 中没有照片</translation>
    </message>
    <message>
        <source>nothing on the page</source>
        <translation>页面上什么都没有</translation>
    </message>
    <message>
        <source>photo box %1: the same photo as on page %2</source>
        <translation>照片框 %1：与第 %2 页上的照片相同</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>未发现问题</translation>
    </message>
    <message>
        <source>1 problem found</source>
        <translation>发现 1 个问题</translation>
    </message>
    <message>
        <source>%1 problems found</source>
        <translation>发现 %1 个问题</translation>
    </message>
</context>
<context>
    <name>BookSession</name>
    <message>
        <source>Import Photos</source>
        <translation>导入照片</translation>
    </message>
    <message>
        <source>Place Photo</source>
        <translation>放入照片</translation>
    </message>
    <message>
        <source>Delete Photo</source>
        <translation>删除照片</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>移除照片</translation>
    </message>
    <message>
        <source>Add Page</source>
        <translation>添加页面</translation>
    </message>
    <message>
        <source>Delete Page</source>
        <translation>删除页面</translation>
    </message>
    <message>
        <source>Swap Pages</source>
        <translation>互换页面</translation>
    </message>
    <message>
        <source>Move Pages</source>
        <translation>移动对页</translation>
    </message>
    <message>
        <source>Move Page</source>
        <translation>移动页面</translation>
    </message>
    <message>
        <source>Swap Photos</source>
        <translation>互换照片</translation>
    </message>
    <message>
        <source>Change Template</source>
        <translation>更换版式</translation>
    </message>
    <message>
        <source>Set Background</source>
        <translation>设置背景</translation>
    </message>
    <message>
        <source>Remove Background</source>
        <translation>移除背景</translation>
    </message>
    <message>
        <source>Fill Book</source>
        <translation>填充相册</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>编辑文字</translation>
    </message>
    <message>
        <source>Edit Photo</source>
        <translation>编辑照片</translation>
    </message>
</context>
<context>
    <name>BookUpload</name>
    <message>
        <source>The page could not be made.</source>
        <translation>未能生成该页面。</translation>
    </message>
    <message>
        <source>No network access</source>
        <translation>无法访问网络</translation>
    </message>
    <message>
        <source>the service did not confirm the cancel: %1</source>
        <translation>服务未确认取消：%1</translation>
    </message>
    <message>
        <source>the service did not confirm the order: %1</source>
        <translation>服务未确认订单：%1</translation>
    </message>
</context>
<context>
    <name>BookView</name>
    <message>
        <source>Size of the pages on the screen</source>
        <translation>页面在屏幕上的显示大小</translation>
    </message>
    <message>
        <source>Delete page</source>
        <translation>删除此页</translation>
    </message>
</context>
<context>
    <name>ButtonTips</name>
    <message>
        <source>Zoom out: show more of the photo</source>
        <translation>缩小：显示照片的更多部分</translation>
    </message>
    <message>
        <source>Zoom in: show less of the photo, larger</source>
        <translation>放大：显示照片的较少部分，显示得更大</translation>
    </message>
    <message>
        <source>Zoom; drag the photo to choose the part the box shows</source>
        <translation>缩放；拖动照片可选择框中显示的部分</translation>
    </message>
    <message>
        <source>Turn the photo a quarter to the left</source>
        <translation>将照片向左旋转 90 度</translation>
    </message>
    <message>
        <source>Turn the photo a quarter to the right</source>
        <translation>将照片向右旋转 90 度</translation>
    </message>
    <message>
        <source>Done: close the photo editor</source>
        <translation>完成：关闭照片编辑器</translation>
    </message>
    <message>
        <source>Font of the selected text</source>
        <translation>所选文字的字体</translation>
    </message>
    <message>
        <source>Size of the selected text, in points</source>
        <translation>所选文字的字号（磅）</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Align the paragraph left</source>
        <translation>段落左对齐</translation>
    </message>
    <message>
        <source>Centre the paragraph</source>
        <translation>段落居中</translation>
    </message>
    <message>
        <source>Align the paragraph right</source>
        <translation>段落右对齐</translation>
    </message>
    <message>
        <source>Colour of the selected text</source>
        <translation>所选文字的颜色</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source>Lumbra is already running; its window was brought to the front.</source>
        <translation>Lumbra 已在运行，已将其窗口带到最前面。</translation>
    </message>
    <message>
        <source>Lumbra is already running for this user. Use its window, or close it before starting Lumbra again.</source>
        <translation>此用户的 Lumbra 已在运行。请使用已打开的窗口，或先将其关闭再重新启动 Lumbra。</translation>
    </message>
    <message>
        <source>cannot write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>%1 of %2 pages written to %3</source>
        <translation>已将 %1 页（共 %2 页）写入 %3</translation>
    </message>
    <message>
        <source>%1 needs a folder</source>
        <translation>%1 需要一个文件夹</translation>
    </message>
    <message>
        <source>only one command at a time</source>
        <translation>一次只能执行一个命令</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>no command</source>
        <translation>没有指定命令</translation>
    </message>
    <message>
        <source>%1 needs a book and at least one file</source>
        <translation>%1 需要一本相册和至少一个文件</translation>
    </message>
    <message>
        <source>%1 needs a book and a folder</source>
        <translation>%1 需要一本相册和一个文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a book name</source>
        <translation>“%1”不能用作相册名称</translation>
    </message>
    <message>
        <source>the book &quot;%1&quot; is open in the running Lumbra window; open another book there or close the window first</source>
        <translation>相册“%1”已在运行中的 Lumbra 窗口中打开；请在该窗口中打开另一本相册，或先关闭该窗口</translation>
    </message>
    <message>
        <source>there is no book &quot;%1&quot; in %2</source>
        <translation>%2 中没有相册“%1”</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>未知参数“%1”</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 必须与 %2 一起使用</translation>
    </message>
    <message>
        <source>usage: lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]   (N: 0-based page index to resume from)</source>
        <translation>用法：lumbra [--books-folder DIR] --upload BOOK ORDER_ID COVER [--start N]   （N：从第几页继续，页码从 0 开始）</translation>
    </message>
    <message>
        <source>%1 needs a page index of 0 or more</source>
        <translation>%1 需要一个不小于 0 的页码</translation>
    </message>
    <message>
        <source>%1 needs a book, an order id and a cover</source>
        <translation>%1 需要一本相册、一个订单号和一个封面</translation>
    </message>
    <message>
        <source>page %1 of %2 sent</source>
        <translation>第 %1 页（共 %2 页）已发送</translation>
    </message>
    <message>
        <source>lumbra: page %1 refused: %2%3</source>
        <translation>lumbra：第 %1 页被拒绝：%2%3</translation>
    </message>
    <message>
        <source> (sending it again)</source>
        <translation>（正在重新发送）</translation>
    </message>
    <message>
        <source>order %1 %2</source>
        <translation>订单 %1 %2</translation>
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
        <translation>订单 %1 未确认</translation>
    </message>
    <message>
        <source>lumbra: every page was sent, but %1; resume with %2 %3</source>
        <translation>lumbra：所有页面均已发送，但%1；请用 %2 %3 继续</translation>
    </message>
    <message>
        <source>upload cancelled</source>
        <translation>上传已取消</translation>
    </message>
    <message>
        <source>page %1 of %2 failed</source>
        <translation>第 %1 页（共 %2 页）失败</translation>
    </message>
    <message>
        <source>lumbra: page %1 failed%2; resume with %3 %4</source>
        <translation>lumbra：第 %1 页失败%2；请用 %3 %4 继续</translation>
    </message>
    <message>
        <source>the book has only %1 pages</source>
        <translation>该相册只有 %1 页</translation>
    </message>
    <message>
        <source>Page %1: 1 photo</source>
        <translation>第 %1 页：1 张照片</translation>
    </message>
    <message>
        <source>Page %1: %2 photos</source>
        <translation>第 %1 页：%2 张照片</translation>
    </message>
    <message>
        <source>%1 (new page)</source>
        <translation>%1（新页面）</translation>
    </message>
    <message>
        <source>%1 photos placed on %2 pages, %3 left over</source>
        <translation>已将 %1 张照片放到 %2 页上，剩余 %3 张</translation>
    </message>
    <message>
        <source>%1 pages written to %2</source>
        <translation>已将 %1 页写入 %2</translation>
    </message>
    <message>
        <source>%1 needs a book</source>
        <translation>%1 需要一本相册</translation>
    </message>
    <message>
        <source>%1 needs a book and a file</source>
        <translation>%1 需要一本相册和一个文件</translation>
    </message>
    <message>
        <source>%1 lies in the books folder; choose a place outside it</source>
        <translation>%1 位于相册文件夹中；请选择该文件夹以外的位置</translation>
    </message>
    <message>
        <source>%1 holds a folder name that is not valid text; Lumbra keeps no books there. Start it with %1 set to a folder whose name is.</source>
        <translation>%1 所指的文件夹名称不是有效的文本；Lumbra 不会在那里保存相册。请将 %1 设为名称有效的文件夹后再启动。</translation>
    </message>
    <message>
        <source>the book &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开相册“%1”：%2</translation>
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

不带命令时，lumbra 会打开窗口；以下命令不打开窗口运行。
  --import BOOK FILE...  将照片导入相册 BOOK（不存在时新建），每个文件输出一行状态
  --preview BOOK FOLDER  将预览页面写为 FOLDER/BOOK/PG1.jpg ...（600 x 452）
  --print BOOK FOLDER    将每一页按打印尺寸写为 FOLDER/1.jpg、2.jpg ...
  --fill BOOK            将尚未放到页面上的照片按拍摄时间顺序放入空照片框和空白页面
                         （必要时添加页面，最多到 100 页），每填好一页输出一行
  --pdf BOOK FILE        将相册写为一个 PDF 文件（图片为打印质量，文字保留为文字）
  --check BOOK           列出打印效果可能不佳之处，每个问题一行
                         （page N: KIND: 详情），最后是问题数
  --upload BOOK ORDER_ID COVER  将相册 BOOK 的打印页面发送到订购服务，每页输出一行
  --start N              与 --upload 一起使用：从页码 N（从 0 开始）继续
  --books-folder DIR     与命令一起使用：使用 DIR 中的相册，而不是用户的相册文件夹
  --screenshot FILE      打开窗口，将屏幕截图写入 FILE，然后退出
  --scene NAME           与 --screenshot 一起使用：先显示场景 NAME（见下文）
  -h, --help             显示此帮助并退出
  -v, --version          显示版本并退出
  -platform NAME ...     Qt 自身的选项（-style NAME、-session ID 等），交给 Qt 处理

场景：column、photo-editor、text-editor、album、backgrounds、column-album、
      column-backgrounds、background-download、order-verify、order-cover、
      order-upload、order-payment、order-status、update-notice、message-box、
      file-dialog、preferences。

退出码：0 完成，1 启动失败，2 参数或相册名称错误，3 没有该相册，
        4 输出文件夹不可写，5 部分文件或页面失败，
        6 该相册已在某个窗口中打开，或另一个命令正在修改它，
        7 检查发现了问题。
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
        <translation>未能写入文件。</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>No web browser could be started. Open this address in a browser by hand:</source>
        <translation>无法启动网页浏览器。请手动在浏览器中打开以下地址：</translation>
    </message>
    <message>
        <source>edit.html</source>
        <comment>file name of the user guide in this language</comment>
        <translation>edit_zh_CN.html</translation>
    </message>
    <message>
        <source>question.html</source>
        <comment>file name of the questions page in this language</comment>
        <translation>question_zh_CN.html</translation>
    </message>
</context>
<context>
    <name>ImportTally</name>
    <message>
        <source>%1 added, %2 not added</source>
        <translation>已添加 %1 张，未添加 %2 张</translation>
    </message>
    <message>
        <source>, %1 already in the book</source>
        <translation>，%1 张已在相册中</translation>
    </message>
</context>
<context>
    <name>IntroductionPanel</name>
    <message>
        <source>&lt;b&gt;Your first book in four steps&lt;/b&gt;&lt;ol&gt;&lt;li&gt;Import your photos: &lt;b&gt;Ctrl+O&lt;/b&gt;, or drop photos or a folder on the photos pane.&lt;/li&gt;&lt;li&gt;Pick a layout for a page: drag a template onto it.&lt;/li&gt;&lt;li&gt;Drag photos into the boxes; double-click a photo to zoom, move or turn it, a text box to type.&lt;/li&gt;&lt;li&gt;Look at the result with %1, then order it with %2.&lt;/li&gt;&lt;/ol&gt;Every change is saved at once; &lt;b&gt;Ctrl+Z&lt;/b&gt; takes the last one back.</source>
        <translation>&lt;b&gt;四步做好第一本相册&lt;/b&gt;&lt;ol&gt;&lt;li&gt;导入照片：按 &lt;b&gt;Ctrl+O&lt;/b&gt;，或把照片或文件夹拖放到照片面板上。&lt;/li&gt;&lt;li&gt;为页面选择版式：把版式拖到页面上。&lt;/li&gt;&lt;li&gt;把照片拖进照片框；双击照片可缩放、移动或旋转，双击文本框可输入文字。&lt;/li&gt;&lt;li&gt;选择%1查看效果，然后选择%2订购。&lt;/li&gt;&lt;/ol&gt;每一处修改都会立即保存；按 &lt;b&gt;Ctrl+Z&lt;/b&gt; 可撤销上一步。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Which layouts to list: by the number of photos</source>
        <translation>按照片数量筛选要列出的版式</translation>
    </message>
    <message>
        <source>“%1”</source>
        <comment>a book name in quotes</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>There are no photos in the photos pane to fill the book with.</source>
        <translation>照片面板中没有可用来填充相册的照片。</translation>
    </message>
    <message>
        <source>The book has no empty box or page left for the photos.</source>
        <translation>相册中已没有可放照片的空照片框或空白页面。</translation>
    </message>
    <message>
        <source>Fill Book</source>
        <translation>填充相册</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) did not fit into the book.</source>
        <translation>
            <numerusform>有 %n 张照片未能放入相册。</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>首选项(&amp;P)...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>导出为 PDF...</translation>
    </message>
    <message>
        <source>The command could not be completed.</source>
        <translation>未能完成该命令。</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Check Book...</source>
        <translation>检查相册...</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; is not opened.</source>
        <translation>相册“%1”未打开。</translation>
    </message>
    <message>
        <source>Open it again when that has finished.</source>
        <translation>等其完成后再打开。</translation>
    </message>
    <message>
        <source>The photo file was not taken.</source>
        <translation>未能采用该照片文件。</translation>
    </message>
    <message>
        <source>Find Photo File</source>
        <translation>查找照片文件</translation>
    </message>
    <message numerus="yes">
        <source>%n photo(s) placed</source>
        <translation>
            <numerusform>%n 张照片已放到</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>on %n page(s).</source>
        <translation>
            <numerusform>%n 页上。</numerusform>
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
        <translation>%1 × %2 毫米</translation>
    </message>
    <message>
        <source>This photo has %1 pixels</source>
        <translation>这张照片有 %1 像素</translation>
    </message>
    <message>
        <source>; the box shows %1 of them</source>
        <translation>，照片框显示其中的 %1</translation>
    </message>
    <message>
        <source>For a sharp print this box (%1) needs at least %2; it is printed at %3.</source>
        <translation>要清晰打印，这个照片框（%1）至少需要 %2；实际打印为 %3。</translation>
    </message>
    <message>
        <source>Zoom out, use a larger photo or a smaller box.</source>
        <translation>请缩小照片、换用更大的照片或更小的照片框。</translation>
    </message>
    <message>
        <source>Use a larger photo or a smaller box.</source>
        <translation>请换用更大的照片或更小的照片框。</translation>
    </message>
    <message>
        <source>1 line is cut</source>
        <translation>有 1 行被截断</translation>
    </message>
    <message>
        <source>%1 lines are cut</source>
        <translation>有 %1 行被截断</translation>
    </message>
    <message>
        <source>The text does not fit its box: %1. Shorten it, use a smaller size or a larger box.</source>
        <translation>文字超出了文本框：%1。请缩短文字、减小字号或使用更大的文本框。</translation>
    </message>
</context>
<context>
    <name>OrderLoadFailure</name>
    <message>
        <source>The print service cannot be reached</source>
        <translation>无法连接到打印服务</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>首选项(&amp;P)...</translation>
    </message>
    <message>
        <source>The page %1 could not be loaded: %2.

Check the connection to the internet, then press Retry. If the print service has moved, set its new address in the Preferences.</source>
        <translation>无法加载页面 %1：%2。

请检查互联网连接，然后按“重试”。如果打印服务已迁移，请在“首选项”中设置其新地址。</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>没有响应</translation>
    </message>
</context>
<context>
    <name>OrderWizard</name>
    <message>
        <source>The order %1 could not be cancelled at the service: %2. It may still be open there; ask the service to cancel it.</source>
        <translation>未能在服务端取消订单 %1：%2。该订单可能仍未关闭，请联系服务方取消。</translation>
    </message>
    <message>
        <source>Order &amp;code:</source>
        <translation>订单代码(&amp;C)：</translation>
    </message>
    <message>
        <source>The upload could not start.</source>
        <translation>上传未能开始。</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>Page %1: %2</source>
        <translation>第 %1 页：%2</translation>
    </message>
    <message>
        <source>Page %1: photo %2 could not be read</source>
        <translation>第 %1 页：无法读取照片 %2</translation>
    </message>
    <message>
        <source>the page could not be made</source>
        <translation>未能生成该页面</translation>
    </message>
    <message>
        <source>the page file could not be written</source>
        <translation>未能写入页面文件</translation>
    </message>
    <message>
        <source>The PDF file could not be made.</source>
        <translation>未能生成 PDF 文件。</translation>
    </message>
</context>
<context>
    <name>PageRenderer</name>
    <message>
        <source>Photo file missing</source>
        <translation>照片文件丢失</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Remove Photo</source>
        <translation>移除照片</translation>
    </message>
    <message>
        <source>Find Photo File...</source>
        <translation>查找照片文件...</translation>
    </message>
</context>
<context>
    <name>PhotoImageFiles</name>
    <message>
        <source>The photo&apos;s files could not be made in the book&apos;s folder</source>
        <translation>无法在相册文件夹中生成该照片的文件</translation>
    </message>
</context>
<context>
    <name>PhotoRefusal</name>
    <message>
        <source>Cannot be read (missing, a folder, or no permission)</source>
        <translation>无法读取（文件不存在、是文件夹或没有权限）</translation>
    </message>
    <message>
        <source>Too large: %1 (the limit is %2 pixels a side, %3 megapixels, %4 MB)</source>
        <translation>过大：%1（上限为每边 %L2 像素、%L3 百万像素、%L4 MB）</translation>
    </message>
    <message>
        <source>Too small to print: %1</source>
        <translation>过小，无法打印：%1</translation>
    </message>
    <message>
        <source> (JPEG, HEIC, PNG, TIFF and WebP pictures are taken)</source>
        <translation>（可导入 JPEG、HEIC、PNG、TIFF 和 WebP 图片）</translation>
    </message>
    <message>
        <source> (a %1 picture; JPEG, HEIC, PNG, TIFF and WebP are taken)</source>
        <translation>（是 %1 图片；可导入 JPEG、HEIC、PNG、TIFF 和 WebP）</translation>
    </message>
    <message>
        <source>Damaged or cut-off picture</source>
        <translation>图片已损坏或不完整</translation>
    </message>
</context>
<context>
    <name>PhotoRelink</name>
    <message>
        <source>Not a picture that can be taken</source>
        <translation>不是可以采用的图片</translation>
    </message>
</context>
<context>
    <name>PhotoTile</name>
    <message>
        <source>%1 x %2 pixels. Drag it onto a photo box of a page.</source>
        <translation>%1 × %2 像素。拖到页面的照片框中即可使用。</translation>
    </message>
</context>
<context>
    <name>PhotoTileDeleteButton</name>
    <message>
        <source>Remove photo from the book</source>
        <translation>从相册中移除照片</translation>
    </message>
</context>
<context>
    <name>PhotosPane</name>
    <message>
        <source>Import photos (Ctrl+O) or drop them here</source>
        <translation>导入照片（Ctrl+O），或把照片拖放到这里</translation>
    </message>
    <message>
        <source>Fill Book</source>
        <translation>填充相册</translation>
    </message>
    <message>
        <source>Lay these photos onto the empty boxes and pages, in the order taken</source>
        <translation>按拍摄时间顺序将这些照片放入空照片框和空白页面</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Print &amp;service address:</source>
        <translation>打印服务地址(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Background site address:</source>
        <translation>背景网站地址(&amp;B)：</translation>
    </message>
    <message>
        <source>Leave a field empty to use the address the program came with.</source>
        <translation>某一栏留空时，使用程序自带的地址。</translation>
    </message>
    <message>
        <source>Set for this run by the environment variable %1; it can only be changed there.</source>
        <translation>本次运行由环境变量 %1 设定；只能在那里更改。</translation>
    </message>
</context>
<context>
    <name>PreparedPage</name>
    <message>
        <source>The page could not be made.</source>
        <translation>未能生成该页面。</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
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
        <translation>查看问题</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>仍然继续</translation>
    </message>
</context>
<context>
    <name>RenameBookForm</name>
    <message>
        <source>The book could not be renamed to &quot;%1&quot;: the folder could not be renamed (is a file of the book open in another program?).</source>
        <translation>无法将相册重命名为“%1”：文件夹未能重命名（相册中的文件是否正在被其他程序使用？）。</translation>
    </message>
</context>
<context>
    <name>SidePane</name>
    <message>
        <source>Choose more backgrounds and download them</source>
        <translation>挑选并下载更多背景</translation>
    </message>
</context>
<context>
    <name>TemplatesPaneMath</name>
    <message>
        <source>1 photo</source>
        <translation>1 张照片</translation>
    </message>
    <message>
        <source>%1 photos</source>
        <translation>%1 张照片</translation>
    </message>
    <message>
        <source>1 text box</source>
        <translation>1 个文本框</translation>
    </message>
    <message>
        <source>%1 text boxes</source>
        <translation>%1 个文本框</translation>
    </message>
    <message>
        <source>Layout with %1 and %2. Drag it onto a page to use it.</source>
        <translation>含%1和%2的版式。拖到页面上即可使用。</translation>
    </message>
</context>
<context>
    <name>UndoRedoItems</name>
    <message>
        <source>Undo %1</source>
        <translation>撤销“%1”</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做“%1”</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
</TS>
