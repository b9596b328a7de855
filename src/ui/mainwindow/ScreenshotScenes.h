#pragma once

class MainWindow;
class QString;

// Scenes for pictures of the program (--screenshot with --scene NAME), played
// on the shown main window through its menu commands and hooks: "column"
// switches the side pane to the column at the right; "album" and
// "backgrounds" show that pane, "column-album" and "column-backgrounds" both;
// "photo-editor" and "text-editor" open on box 0 of the right-hand page;
// "order-status" and "update-notice" run those commands against the service;
// "background-download" opens the download dialog with two backgrounds
// ticked; "order-verify", "order-cover", "order-upload" and "order-payment"
// drive the order wizard to that step; "message-box" asks whether to delete
// the book; "file-dialog" opens the photo import dialog; "preferences" opens
// Edit > Preferences. An unknown name shows the window as it is.
void ShowScreenshotScene(MainWindow& window, const QString& scene);
