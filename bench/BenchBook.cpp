#include "BenchBook.h"

AlbumBenchBook& TheAlbumBook() {
    static AlbumBenchBook book;
    return book;
}
