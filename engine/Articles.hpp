// The take-off as a whole: the rule tables, every article group of the last take-off, the counters,
// and the operations that read and evaluate the model. All members are static; the one instance (the
// palette's global `articles`) exists so that its construction at load fills the rule tables.
//
// Sources: RuleTables.cpp (tables and exclusion tests), ArticlesRun.cpp (take-off run and filing),
// ArticlesGroups.cpp (group look-ups by code, higher-level groups and group queries),
// ArticlesResolution.cpp (classification lookup and type-2/3 resolution), ArticlesBuilders.cpp (the
// builders' shared reads, slabs, roofs and shells), ArticlesBuildersWalls.cpp (walls),
// ArticlesBuildersSections.cpp (beams and columns), ArticlesBuildersOpenings.cpp (openings).
#pragma once

#include "engine/Article.hpp"
#include "engine/ArticleGroup.hpp"
#include "engine/ClassificationCondition.hpp"

#include "ACAPinc.hpp"
#include "GS.hpp"

// Rule tables: empty at load, filled once by the Articles constructor, read-only afterwards.
extern GS::Array<ClassificationCondition> m_vClassificationsType2;
extern GS::Array<ClassificationCondition> m_vClassificationsType3;
extern GS::Array<GS::UniString> m_vErrorMessageExclusions;
extern GS::Array<GS::UniString> m_vWindowExclusions;
extern GS::Array<GS::UniString> m_vDoorExclusions;
extern GS::Array<GS::UniString> m_vObjectExclusions;
extern GS::Array<GS::UniString> m_vLayerExclusions;

// Take-off state.
extern GS::Array<API_ElemTypeID> m_vElementtypeTypes;
extern GS::Array<API_Guid> vAllElementGuids;

class Articles {
  public:
    Articles();

    // The result of the last take-off: index = group number; group 0 ("Onbekend") holds report lines.
    static GS::Array<ArticleGroup> allArticlesGroups;
    // Articles filed above group 0 and into group 0. 32 bits wide so no count wraps on large models.
    static Int32 articleCount;
    static Int32 reportCount;

    // ---- Rule tables and exclusion tests ----
    static void CreateType2Conditions();
    static void CreateType3Conditions();
    static void CreateExclusions();
    static void AddType2ConditionStarts(GS::UniString prefix);
    static void AddType2ConditionEquals(GS::UniString number);
    static void AddType3ConditionStarts(GS::UniString prefix);
    static void AddType3ConditionEquals(GS::UniString number);
    static void AddErrorMessageExclusion(GS::UniString text);
    static void AddWindowExclusion(GS::UniString text);
    static void AddDoorExclusion(GS::UniString text);
    static void AddObjectExclusion(GS::UniString text);
    static void AddLayerExclusion(GS::UniString text);
    static bool SkipObject(GS::UniString layerName);
    static bool IsLayerExcluded(GS::UniString layerName);
    static bool IsExcluded(Article& article);

    // ---- Take-off run ----
    static bool ReadElementsFromModel(bool selectionOnly);
    static void CreateAllArticleGroups();
    static void GetAllElementGuids(bool selectionOnly);
    static void GetElementTypes(GS::Array<API_ElemTypeID>& types);
    // True when the user cancelled.
    static bool EvaluateElements();
    static bool CheckForArticlesToSkip(GS::Array<Article>& articles);
    static void AddToList(Article article);
    static void AddHigherLevelArticles();
    static bool HasSize(short group);
    static bool HasVolume(short group);
    static bool HasSurface(short group);
    static bool HasLength(short group);
    static bool HasPieces(short group);
    static bool HasWeight(short group);
    static bool HasRiser(short group);
    static bool HasTon(short group);
    static bool HasKw(short group);
    static bool HasDm2(short group);
    static bool HasDm3(short group);

    // ---- Classification resolution ----
    static bool GetQELM_Classification(API_Guid& elementGuid, GS::UniString& code, short& groupIndex,
                                       GS::UniString& message);
    static bool GetQELM_Classification(API_Element& element, GS::UniString& code, short& groupIndex,
                                       GS::UniString& message);
    static bool GetQELM_Classification(API_Attribute& buildingMaterial, Article& article);
    // Appends the type-5 article of the QELM item that the element itself carries; false, and nothing
    // appended, when it carries none.
    static bool AppendQELM_ClassificationArticle(API_Guid elementGuid, GS::Array<Article>& articles);
    static short GetClassificationIndex(GS::UniString code, GS::UniString& message);
    static void GetArticleGroupsStartingWith(GS::UniString prefix, GS::Array<short>& indices);
    static bool CompliesToType2Expression(const Article& article);
    static bool CompliesToClassification(Article& article,
                                         const GS::Array<ClassificationCondition>& conditions,
                                         bool mustContainX);
    static void SetType2Properties(Article& article, bool millimetres);
    static void GetArticlesFromQELM_Properties(API_Element& element, GS::Array<Article>& articles);
    static void GetArticlesFromQELM_Classification(API_Element& element, bool skeleton,
                                                   GS::Array<Article>& articles);

    // ---- Skin and section builders ----
    static bool IsSkeletonBuild(API_Element& element);
    static GS::UniString GetArticlesFromWall(API_Element element, bool skeleton, GS::Array<Article>& articles,
                                             GS::UniString layerName);
    static GS::UniString GetArticlesFromWallBasic(API_Element element, GS::Array<Article>& articles,
                                                  GS::UniString layerName);
    static GS::UniString GetArticlesFromWallComposites(API_Element element, GS::Array<Article>& articles,
                                                       GS::UniString layerName);
    static GS::UniString GetArticlesFromWallComplexProfiles(API_Element element, GS::Array<Article>& articles,
                                                            GS::UniString layerName);
    static GS::UniString GetArticlesFromSlab(API_Element element, bool skeleton,
                                             GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromRoof(API_Element element, bool skeleton,
                                             GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromShell(API_Element element, bool skeleton,
                                              GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromSlabBasic(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromRoofBasic(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromShellBasic(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromSlabComposites(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromRoofComposites(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromShellComposites(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromBeam(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromColumn(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromBeamBasic(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromColumnBasic(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromBeamComplexProfile(API_Element element, GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromColumnComplexProfile(API_Element element,
                                                             GS::Array<Article>& articles);
    static GS::UniString GetArticlesFromOpening(API_Element element, GS::Array<Article>& articles);
    static void GetWallClassification(GS::Array<Article>& articles, GS::UniString layerName, walltype type,
                                      double thickness, API_AttributeIndex material, short skinIndex);
    static void GetSkinClassification(GS::Array<Article>& articles, walltype type, double thickness,
                                      API_AttributeIndex material, short skinIndex);
    static void GetWallSkinClassification(Article& article, GS::UniString layerName);
};
