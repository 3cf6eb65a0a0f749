#pragma once

// dBase tables as a ListSource. A pass reads the records in file order; with
// barcodes written into the table it copies the file record by record into
// "zlvtemp.dbf" beside it, patching the barcode and serial fields, and the
// copy replaces the table when the pass commits.

#include "lists/source.h"

namespace zolvane::lists {

OpenResult OpenDbaseList(const std::filesystem::path& path);

}  // namespace zolvane::lists
