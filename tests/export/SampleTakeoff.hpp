// Take-off results for the export tests, written straight into Articles::allArticlesGroups.
#pragma once

#include "engine/Articles.hpp"
#include "engine/host/Main.hpp"

#include <initializer_list>

namespace excel_test {

// A group as the classification reader makes it: flags "|word|...|", its unit given directly.
inline ArticleGroup Group(const char* code, const char* name, const char* flags, const char* unit,
                          double unitPrice = 0.0) {
    ArticleGroup group;
    group.code = code;
    group.name = name;
    group.flags = flags;
    group.measurementUnit = unit;
    group.unitPrice = unitPrice;
    return group;
}

inline Article Piece(const char* elementID, Int32 pieces, const API_Guid& guid = API_Guid{}) {
    Article article;
    article.elementID = elementID;
    article.pieces = pieces;
    article.guid = guid;
    return article;
}

inline Article Measured(const char* elementID, double Article::*quantity, double value) {
    Article article;
    article.elementID = elementID;
    article.*quantity = value;
    return article;
}

// Group 0 ("Onbekend") followed by `groups`; no palette filter.
inline void SetTakeoff(std::initializer_list<ArticleGroup> groups) {
    Main::usFilterText.Clear();
    Main::bOnlySelectedElements = false;
    Articles::allArticlesGroups.Clear();
    ArticleGroup unknown;
    unknown.name = "Onbekend";
    unknown.articleList.Push(Piece("niet ingedeeld", 1));
    Articles::allArticlesGroups.Push(unknown);
    for (const ArticleGroup& group : groups)
        Articles::allArticlesGroups.Push(group);
}

} // namespace excel_test
