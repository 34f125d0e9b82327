#pragma once
// The forms run-time's file services over the wide (W) file functions. Paths are UTF-8.
// Each reports failure by its result only.
#include <optional>
#include <string>
#include <string_view>

// Makes the folder; false when it exists already or cannot be made.
bool CreateFolder(std::string_view path);

// Whether `path` is an existing file marked read-only. Windows refuses to replace such a
// file; the saver's writers ask first, so that the refusal holds also where the platform does
// not enforce it (Wine run by the superuser).
bool IsReadOnlyFile(std::string_view path);

// Copies `from` over `to`, replacing an older `to`. False when `from` cannot be read or `to`
// cannot be written (a read-only or locked `to` is left as it was).
bool CopyFileOver(std::string_view from, std::string_view to);

// Puts the file `replacement` in the place of `target` in one step, replacing an older
// `target` unless it is read-only. False, with both left as they were, when it cannot.
bool MoveFileOver(std::string_view replacement, std::string_view target);

// Puts the file `replacement` in the place of `target` by renames alone: an older `target`
// moves aside to "<target>.old" (over any older one there), where it stays until
// RemoveSwappedOutFile. Replacing or deleting a large file can cost more than writing it (on
// ext4, replacing a file by a rename or a truncation also flushes the new one to disk), so
// files that are rewritten at each start are swapped in, and the old ones removed when
// nothing waits for them. False, with both as they were, when `target` is read-only or
// cannot be moved aside or replaced.
bool SwapInFile(std::string_view replacement, std::string_view target);

// Copies `from` to `to`, whole or not at all: into "<to>.partial", then swapped in.
bool SwapInCopy(std::string_view from, std::string_view to);

// Deletes the older file that swapping a file in at `target` moved aside, if there is one.
void RemoveSwappedOutFile(std::string_view target);

// Deletes the file; false when it is not there or cannot be deleted.
bool RemoveFile(std::string_view path);

// Whether `path` opens as a file for reading: false for a folder, a missing file, a bad name
// or one that may not be read.
bool OpensFileForReading(std::string_view path);

// `path` as the ANSI functions take it: itself when the ANSI code page holds it exactly,
// otherwise its short (8.3) form, which the file system keeps in plain letters; for a file not
// made yet, its folder's short form and its own name. Nothing when neither is exact.
std::optional<std::string> AnsiPath(std::string_view path);

// The folder of the running program, without a trailing backslash ("C:" for a program at the
// root of drive C).
std::string ProgramFolder();
