#pragma once

#include <FreeImage.h>

class Constants;
class Md5;
class Templates;
class BookManager;
class UserFolders;
class PageDisplayHost;

// The process-wide objects, owned by the start-up object and reached through
// Services(). Tests build their own instances and pass them explicitly where
// a class takes them; code that reads Services() must cope with null members.
struct AppServices {
    Constants* strings = nullptr;
    Md5* md5 = nullptr;
    Templates* templates = nullptr;
    BookManager* books = nullptr;
    UserFolders* folders = nullptr;
    PageDisplayHost* displayHost = nullptr; // hand-over of photos to the photos pane
    FIBITMAP* imageTooSmallMarker = nullptr;
};

AppServices& Services();
