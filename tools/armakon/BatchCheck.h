#pragma once
// Batch checking for armakon check: many VDI 3805 files, a whole catalog tree at once.
//
// A manufacturer's data manager or a planning office checks every file below some folders.
// The files are checked in worker processes (one per processor by default, WorkerPool.h),
// each taking file after file: the report list is emptied before each file, so a file never
// sees another's entries; a broken file cannot take the batch down (only its worker dies);
// and memory stays bounded by the files in flight, not by the tree. The workers write their
// reports into the output folder and leave them for the parent to bring to the disk, all at
// once at the end; the parent only collects three numbers per file.

#include <ctime>
#include <string>
#include <vector>

namespace armakon::tool {

struct BatchCheckOptions {
  std::vector<std::string> paths;  // files and folders (searched for *.VDI, *.vdix, *.TGA)
  std::string outputFolder;        // one report per file goes here; none when empty
  unsigned jobs = 0;               // worker processes; 0: one per processor
};

// The files the paths name, in order: a file as given, a folder's product-data files in path
// order. A path that does not exist is added to missing.
std::vector<std::string> CollectCheckFiles(const std::vector<std::string>& paths, std::vector<std::string>& missing);

// One report file name per file, in the same order: the file's name with ".txt" appended;
// a name met before (letter case aside, so that the reports also stay apart on a
// case-insensitive file system) gets " (2)", " (3)", ... before ".txt".
std::vector<std::string> ReportFileNames(const std::vector<std::string>& files);

// Checks every file and prints one summary line per file (in the order of the files) and a
// total; a progress bar while stdout is a terminal. Exit status: 2 when a path does not
// exist, nothing was found, or a file could not be checked or its report not written; else
// 1 when a file has errors; else 0.
int RunBatchCheck(const BatchCheckOptions& options);

}  // namespace armakon::tool
