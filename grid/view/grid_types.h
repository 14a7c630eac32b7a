// The enumerations and event signatures of the grid control: looks, scroll
// settings, check-box states, cell borders, search actions, and one alias per
// event shape (Sender first, `var` arguments as references, read back after the
// call).
#pragma once

#include <QString>
#include <functional>

#include "grid/base/cell_properties.h"
#include "grid/base/color_tones.h"  // TSuiteStyle
#include "grid/base/editor_type.h"
#include "grid/base/mouse_actions.h"
#include "grid/data/sort_settings.h"
#include "platform/grids/string_grid.h"
#include "platform/rtl/date_time.h"
#include "platform/rtl/sets.h"
#include "platform/ui/check_box.h"  // TCheckBoxState, shared with the check box control
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"

class TCanvas;
class TCheckListBox;
class TEditLink;
class TPopupMenu;
class TStringList;


enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder>;

enum TGridLook { glStandard, glSoft, glClassic, glVOD, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
// What a long operation (printing, copying, saving, calculating, searching) or
// import (pasting, loading) reports through the grid's notification hooks, with
// the row it reached.
enum TGridExportState { esExportStart, esExportNewRow, esExportSelRow, esExportNextRow, esExportDone, esExportFail };
enum TGridImportState { isImportStart, isImportNewRow, isImportSelRow, isImportNextRow, isImportDone };
// The last clipboard operation: cells cut or copied.
enum TClipOperation { coCut, coCopy };
// The options of a search (bit n = ordinal n).
enum TFindParameters {
  fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
  fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
  fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParameters>;
// The directions in which a drag may scroll the view.
enum TDragScrollDirectionFlag { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSet<TDragScrollDirectionFlag>;

// --- event shapes (Sender first) ---
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TComboChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
using TComboObjectChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection, TObject* AObject)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TGridColorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen, TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridAlignEvent = std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TGridGradientEvent = std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                              TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGetCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TCustomCellSizeEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TRowColEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TColRowEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TBoolColRowEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& Value)>;
using TBoolRowColEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Value)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TFixedEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           TStringList* Values)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TCellValidateWideEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& S)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& NewUnit)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TColorSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const QString& Value)>;
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TControlEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal)>;
using TControlComboListEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, TStringList* Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const QString& CtrlID, const QString& CtrlValue)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& Anchor)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& Anchor)>;
using TCellBalloonEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)>;
using TChangingEvent = std::function<void(TObject* Sender, int OldIndex, int NewIndex, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TColEvent = std::function<void(TObject* Sender, int ACol)>;
using TRowAllowEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TColAllowEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TAllowEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardPasteCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TClipboardAfterPasteEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TSelectionResizeEvent = std::function<void(TObject* Sender, TGridRect OrigSelection, TGridRect NewSelection)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirection& DragScrollDir, bool& CanScroll)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, QString& hintstr)>;
using TSizingEvent = std::function<void(TObject* Sender, int AIndex, int ASize)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TFixedDropDownClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
using TNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowreal)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TGridProgressEvent = std::function<void(TObject* Sender, int16_t progress)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList* Filter)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                                              QString& FilterCondition)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                                             QString& FilterCondition, TCheckListBox* CheckList)>;
using TCustomCompareEvent = std::function<void(TObject* Sender, const QString& str1, const QString& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const QString& Value, bool& DefaultSearch)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const QString& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, TRect ARect)>;
using TCellValueEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;

using TPrintStartEvent = std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
using TPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TPrintPageEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TPrintPageDoneEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset,
                                               int LastPage, int PageXSize, int PageYSize)>;
using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TPrintSizeEvent = std::function<void(TObject* Sender, int AIndex, int& ASize)>;
using TPrintGetPageNumEvent =
    std::function<void(TObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
using TFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TOleDragDropEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& data, bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDropNameEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& Name, bool& Allow)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, TGridRect ARect)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, TRect R)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const QString& Value, TDateTime& ADate)>;
using TGetEditMaskEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TColumnMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
