#pragma once

// libarchive's calls the program makes, loaded at the first one
// (core/LazyLibrary.h): call them as la::archive_...(...).

#include "core/LazyLibrary.h"

#include <archive.h>
#include <archive_entry.h>

namespace remitto::la {

REMITTO_LAZY_CALL(Archive, archive_entry_filetype)
REMITTO_LAZY_CALL(Archive, archive_entry_free)
REMITTO_LAZY_CALL(Archive, archive_entry_new)
REMITTO_LAZY_CALL(Archive, archive_entry_pathname_utf8)
REMITTO_LAZY_CALL(Archive, archive_entry_set_filetype)
REMITTO_LAZY_CALL(Archive, archive_entry_set_mtime)
REMITTO_LAZY_CALL(Archive, archive_entry_set_pathname_utf8)
REMITTO_LAZY_CALL(Archive, archive_entry_set_perm)
REMITTO_LAZY_CALL(Archive, archive_entry_set_size)
REMITTO_LAZY_CALL(Archive, archive_entry_size)
REMITTO_LAZY_CALL(Archive, archive_entry_size_is_set)
REMITTO_LAZY_CALL(Archive, archive_error_string)
REMITTO_LAZY_CALL(Archive, archive_filter_bytes)
REMITTO_LAZY_CALL(Archive, archive_read_data)
REMITTO_LAZY_CALL(Archive, archive_read_free)
REMITTO_LAZY_CALL(Archive, archive_read_new)
REMITTO_LAZY_CALL(Archive, archive_read_next_header)
REMITTO_LAZY_CALL(Archive, archive_read_open_filename)
REMITTO_LAZY_CALL(Archive, archive_read_support_filter_all)
REMITTO_LAZY_CALL(Archive, archive_read_support_filter_none)
REMITTO_LAZY_CALL(Archive, archive_read_support_format_7zip)
REMITTO_LAZY_CALL(Archive, archive_read_support_format_zip)
REMITTO_LAZY_CALL(Archive, archive_write_close)
REMITTO_LAZY_CALL(Archive, archive_write_data)
REMITTO_LAZY_CALL(Archive, archive_write_free)
REMITTO_LAZY_CALL(Archive, archive_write_header)
REMITTO_LAZY_CALL(Archive, archive_write_new)
REMITTO_LAZY_CALL(Archive, archive_write_open_fd)
REMITTO_LAZY_CALL(Archive, archive_write_set_bytes_in_last_block)
REMITTO_LAZY_CALL(Archive, archive_write_set_format_zip)
REMITTO_LAZY_CALL(Archive, archive_write_set_options)

} // namespace remitto::la
