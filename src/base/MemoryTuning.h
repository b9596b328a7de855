#pragma once

// Pictures of whole pages (tens of megabytes each) come and go by the
// hundred while a book is printed. The C library would map each one afresh
// from the system, zeroed page by page, in one memory pool per thread; tuned,
// their memory is reused. Call once at start, before any thread runs.
void TuneMemoryForPictures();
