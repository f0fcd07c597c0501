// Blanks a segmented sentence keeps: Japanese keeps them only beside words written in letters or
// kana; Chinese drops them between short runs of Chinese characters, by the blank rule.
#pragma once

#include <string>

// Shift-JIS text.
std::string CleanJapaneseBlanks(const std::string& sentence);

// GB2312 or Big5 text. spaceCutFlag 1 keeps everything, 0 removes without a length limit,
// 2 removes between runs of at most spaceCutLength characters.
std::string CleanChineseBlanks(const std::string& sentence, unsigned codePage, int spaceCutFlag, int spaceCutLength);
