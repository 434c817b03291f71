#pragma once

// The filter of a file dialog from a list of extensions separated by
// blanks: "txt fxp" gives the pattern "*.txt;*.fxp" (each blank starts a new
// "*." item, so a run of blanks gives empty ones) and the default extension
// "txt" (the characters before the first blank).
struct FileFilter
{
  static constexpr int kPatternLength = 255;
  static constexpr int kExtensionLength = 15;

  char pattern[kPatternLength + 1] = {};
  char defaultExtension[kExtensionLength + 1] = {};
};

// False, with an empty filter, for a list whose pattern would exceed 255
// characters or whose first extension exceeds 15: the dialog is not shown.
// A null or empty list gives an empty filter and true.
bool BuildFileFilter(const char* extensions, FileFilter* filter);
