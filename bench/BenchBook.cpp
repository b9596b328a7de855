#include "BenchBook.h"

#include "BenchFixtures.h"

AlbumBenchBook& TheAlbumBook() { return BenchFixture<AlbumBenchBook>(); }
