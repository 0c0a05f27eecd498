#pragma once

#include <string>

#include "files/ESetFileRec.h"
#include "files/RecordFile.h"
#include "model/MAINDATA.h"

// Writing and reading equation sets in ".esm" files (layout in
// ESetFileRec.h). Every step needs the block open for it (writing steps mode
// 1, reading steps mode 0) and otherwise returns false at once; a step that
// fails after that has closed the block and told the user.

// The one control block and record buffer of every load and save.
extern TUFCB ESetUFCB;
extern TESetFileRec ESetFileBuf;

// Fills ESetFileBuf with the header of ESet's A.
void MakeESetHeader(const TESetCTRL& ESet);
bool SaveESetHeaderToFile(const TESetCTRL& ESet, TUFCB& UFCB);
// Writes every entry of A and then commits the file.
bool SaveESetBodyToFile(const TESetCTRL& ESet, TUFCB& UFCB);
bool SaveESetTrailerToFile(const TESetCTRL& ESet, TUFCB& UFCB);
// Saves ESet's A as a new version of FileName, which is replaced only when the
// whole file is written; after any failure FileName is as it was.
bool SaveESetToFile(const std::string& FileName, const TESetCTRL& ESet, TUFCB& UFCB);

// True exactly for RecId 1, 2 <= NRows <= 1000 and NCols = NRows + 1.
bool CheckESetHeader(TESetFileHeader Header);
bool LoadESetHeaderFromFile(TESetCTRL& ESet, TUFCB& UFCB);
// Reads the body into A, which the caller has sized to the header's N.
bool LoadESetBodyFromFile(TESetCTRL& ESet, TUFCB& UFCB);
bool LoadESetTrailerFromFile(TESetCTRL& ESet, TUFCB& UFCB);
// Opens FileName, checks its header, sizes ESet's arrays to its N and reads A.
bool LoadESetFromFile(const std::string& FileName, TESetCTRL& ESet, TUFCB& UFCB);
