// The editor's own cost of taking in a text: its segmentation into sentences, the baseline the
// engines' speed is compared with. Built apart, as the editor's text library has headers of the
// same names as the engines'.
#pragma once

#include <string>
#include <vector>

struct SegmentedText {
    double seconds = 0;
    std::vector<std::string> sentences;  // in the text's own code page
};

// japanese: Shift-JIS text cut as a Japanese source, otherwise GB2312 cut as a Chinese one.
SegmentedText SegmentLikeTheEditor(const std::string& bytes, bool japanese);
struct EditorLoad {
    double first = 0;  // the program's first load, its tables read, as the load benchmark times it
    double warm = 0;   // the best of three loads after it
};

// The editor's load of a document of text repeated up to bytes long, as its load benchmark
// takes it: Shift-JIS for a Japanese source, UTF-8 for a Chinese one.
EditorLoad LoadLikeTheEditor(const std::u16string& paragraph, size_t bytes, bool japanese);
// UTF-8 to the code page the segmentation reads (932 or 936).
std::string EncodeForSegmentation(const std::u16string& text, bool japanese);
