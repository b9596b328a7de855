#pragma once

class BookManager;
class Template;

// Gives the current book's current page the template, as dropping the
// miniature there does, then saves: one undo step, "Change Template".
// False without a book or when the change failed (it is logged).
bool ApplyTemplateToCurrentPage(BookManager& books, const Template& aTemplate);
