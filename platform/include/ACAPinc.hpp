// The stand-in host's add-on interface: every call returns an error code, NoError (0) on success, and
// fails the way the host does (unknown guid, missing attribute, no memo, injected faults).
#pragma once

#include "API/AddOn.hpp"
#include "API/Attribute.hpp"
#include "API/Classification.hpp"
#include "API/Element.hpp"
#include "API/Project.hpp"
#include "API/Property.hpp"
#include "API/Quantity.hpp"
#include "API/Selection.hpp"
#include "API/Types.hpp"
#include "GS.hpp"

// ---- Guids ----
// The record's fields map onto the guid's text in order: time_low is its first eight hex digits.
GS::Guid APIGuid2GSGuid(const API_Guid& guid);
API_Guid GSGuid2APIGuid(const GS::Guid& guid);
GS::UniString APIGuidToString(const API_Guid& guid);

// ---- Elements ----
GSErrCode ACAPI_Element_GetElemList(const API_ElemType& type, GS::Array<API_Guid>* elemList,
                                    GSFlags filterBits = 0,
                                    const API_Guid& renovationFilterGuid = APINULLGuid);
GSErrCode ACAPI_Element_Get(API_Element* element, UInt64 mask = 0);
GSErrCode ACAPI_Element_GetHeader(API_Elem_Head* elementHead, UInt64 mask = 0);
GSErrCode ACAPI_Element_GetMemo(const API_Guid& guid, API_ElementMemo* memo, UInt64 mask = APIMemoMask_All);
GSErrCode ACAPI_DisposeElemMemoHdls(API_ElementMemo* memo);
GSErrCode ACAPI_Element_GetQuantities(API_Guid elemGuid, const API_QuantityPar* params,
                                      API_Quantities* quantities, const API_QuantitiesMask* mask);
// Pairs (element of group1, element of group2) that collide, in the host's order.
GSErrCode ACAPI_Element_GetCollisions(const GS::Array<API_Guid>& group1, const GS::Array<API_Guid>& group2,
                                      GS::Array<GS::Pair<API_Guid, API_Guid>>& result,
                                      const API_CollisionDetectionSettings& settings);
GSErrCode ACAPI_Element_NeigIDToElemType(API_NeigID neigID, API_ElemTypeID& typeID);

// ---- Properties ----
GSErrCode ACAPI_Element_GetPropertyDefinitions(const API_Guid& elemGuid, API_PropertyDefinitionFilter filter,
                                               GS::Array<API_PropertyDefinition>& definitions);
bool ACAPI_Element_IsPropertyDefinitionVisible(const API_Guid& elemGuid,
                                               const API_Guid& propertyDefinitionGuid);
GSErrCode ACAPI_Element_GetPropertyValuesByGuid(const API_Guid& elemGuid,
                                                const GS::Array<API_Guid>& propertyDefinitions,
                                                GS::Array<API_Property>& properties);
GSErrCode ACAPI_Property_GetPropertyValueString(const API_Property& property, GS::UniString* propertyValue);

// ---- Classifications ----
GSErrCode ACAPI_Classification_GetClassificationSystems(GS::Array<API_ClassificationSystem>& systems);
GSErrCode ACAPI_Classification_GetClassificationSystemRootItems(const API_Guid& systemGuid,
                                                                GS::Array<API_ClassificationItem>& items);
GSErrCode ACAPI_Classification_GetClassificationItemChildren(const API_Guid& itemGuid,
                                                             GS::Array<API_ClassificationItem>& children);
GSErrCode ACAPI_Classification_GetClassificationSystem(API_ClassificationSystem& system);
GSErrCode ACAPI_Classification_GetClassificationItem(API_ClassificationItem& item);
// Pairs (system guid, item guid).
GSErrCode ACAPI_Element_GetClassificationItems(const API_Guid& elemGuid,
                                               GS::Array<GS::Pair<API_Guid, API_Guid>>& systemItemPairs);
bool ACAPI_Element_IsClassificationItemVisible(const API_Guid& elemGuid,
                                               const API_Guid& classificationItemGuid);
GSErrCode ACAPI_Attribute_GetClassificationItems(const API_Attr_Head& attrHead,
                                                 GS::Array<GS::Pair<API_Guid, API_Guid>>& systemItemPairs);
bool ACAPI_Attribute_IsClassificationItemVisible(const API_Attr_Head& attrHead,
                                                 const API_Guid& classificationItemGuid);

// ---- Attributes and library parts ----
GSErrCode ACAPI_Attribute_Get(API_Attribute* attribute);
GSErrCode ACAPI_Attribute_GetDefExt(API_AttrTypeID typeID, API_AttributeIndex index,
                                    API_AttributeDefExt* defs);
GSErrCode ACAPI_DisposeAttrDefsHdlsExt(API_AttributeDefExt* defs);
GSErrCode ACAPI_LibraryPart_Get(API_LibPart* libPart);

// ---- Project ----
GSErrCode ACAPI_ProjectSetting_GetStorySettings(API_StoryInfo* storyInfo, UInt32 mask = 0);
GSErrCode ACAPI_ProjectSetting_GetProjectNotes(API_ProjectNoteInfo* projectNotes);
// Rows of three texts: the first, the key and the value.
GSErrCode ACAPI_AutoText_GetAutoTexts(GS::Array<GS::Array<GS::UniString>>* autotexts, API_AutotextType type);

// ---- Selection and view ----
GSErrCode ACAPI_Selection_Get(API_SelectionInfo* selectionInfo, GS::Array<API_Neig>* selNeigs,
                              bool onlyEditable, bool ignorePartialSelection = true,
                              API_SelRelativePosID relativePosToMarquee = API_Inside);
GSErrCode ACAPI_Selection_Select(const GS::Array<API_Neig>& selNeigs, bool add);
GSErrCode ACAPI_Selection_DeselectAll();
GSErrCode ACAPI_View_ZoomToElements(const GS::Array<API_Guid>& elements);

// ---- Process window ----
GSErrCode ACAPI_ProcessWindow_InitProcessWindow(const GS::UniString* title = nullptr,
                                                Int32* nPhase = nullptr);
GSErrCode ACAPI_ProcessWindow_SetNextProcessPhase(const GS::UniString* subtitle, Int32* maxval,
                                                  bool* showPercent = nullptr);
bool ACAPI_ProcessWindow_IsProcessCanceled();
GSErrCode ACAPI_ProcessWindow_CloseProcessWindow();

// ---- Add-on life ----
GSResModule ACAPI_GetOwnResModule();
bool ACAPI_Resource_GetLocStr(GS::UniString* str, short resID, short index, GSResModule resModule);
GSErrCode ACAPI_MenuItem_RegisterMenu(short menuStrResID, short promptStrResID, APIMenuCodeID menuPosCode,
                                      GSFlags menuFlags);
GSErrCode ACAPI_MenuItem_InstallMenuHandler(short menuStrResID, APIMenuCommandProc* handlerProc);
GSErrCode ACAPI_ProjectOperation_CatchProjectEvent(GSFlags eventTypes,
                                                   APIProjectEventHandlerProc* handlerProc);
GSErrCode ACAPI_RegisterModelessWindow(Int32 referenceID, APIPaletteControlCallBackProc* callBackProc,
                                       GSFlags controlFlags, const API_Guid& paletteGuid = APINULLGuid);
GSErrCode ACAPI_UnregisterModelessWindow(Int32 referenceID);
API_Token ACAPI_GetToken();
