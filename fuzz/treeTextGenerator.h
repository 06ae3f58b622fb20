// Tree texts generated from fuzz input: key words the library gives a meaning to and a few
// it does not, strings, numbers, blocks nested a few levels.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

namespace scriptFuzz {

// Key words the library gives a meaning to, and a few it does not.
inline constexpr const char* keyWords[] = {
    "DOC", "DRAWING", "FGRATTR", "DRWATTR", "DRAWINGPREFS", "PARTPREFS", "NAME", "DESC", "AUTHOR", "COMPANY",
    "CHANGEDATE", "VERSION", "UNITBASE", "DESIGNUNITBASE", "EXTATTRLIST", "EXTATTRSTR", "EXTATTRVAL", "EXTATTRVAR",
    "EXTLANGATTR", "ATTRLANGIDENT", "PAIR", "STRLIST", "OBJLIST", "MOREF", "MOCRC", "CRCTYPE", "CRCVALUE",
    "REFTRGPTR", "DOCCLASSIFYINFO", "DOCCLASSIFYIDINFO", "DOCCLASSIFYIDLIST", "DOCCLASSIFYVARINFO",
    "DOCCLASSIFYVARLIST", "CLASSIFICATIONINFO", "CLASSID", "VARID", "TABVAR", "VALUE", "TYPE", "DOCNAMEPRE",
    "SHORTNAME", "CODE", "DATA", "SIZE", "LOOP", "VAL", "ITEM", "X",
    // INI files, jobs and plug-in descriptions.
    "INIFILE", "SECTIONS", "SECTION", "ENTRIES", "ENTRY", "KEY", "JOB", "FORMATS", "FORMAT", "FORMATID", "VIEWS",
    "VIEW", "FILENAMES", "LIST", "IDENT", "DLLIFACE", "INFO", "IOPAIRS", "IOPAIR",
    // 2D drawings, figures, shapes and hatches, and documents of other families among them.
    "FIGURE", "DRAWINGITEMS", "FIGURITEMS", "FIGUREPREFS", "MIDENT", "GROUP", "ANSICHTNO", "INSERTPOINT",
    "ROTATION", "SETTINGS", "DXFSETTINGS", "DXFINSERTX", "DXFINSERTY", "M2DHATCHES", "M2DHATCH", "M2DHATCHLOOPS",
    "M2DHATCHLOOPSHREFS", "M2DHATCHLINES", "ANGLE", "DISTANCE", "HATCHIDX", "LINE", "ARC", "CIRCLE", "ICRV2D",
    "ELLIPSE", "ELLIPSEARC", "SPOINT", "TEXT", "POINT", "RAD", "RAD1", "RAD2", "ANGLE1", "ANGLE2", "SHAPEATTR",
    "SHAPETYP", "SHAPEWIDTH", "COSMETIC", "PART", "ASSEMBLY",
    // Exchange documents.
    "CHECKINOUT", "UPGRADE", "HEADER", "DESTPRJDIR", "DOCUMENT", "MEMBERS", "USERDATA", "CADIDENT", "CADSYSTEM",
    "SHOW3D", "WANTFILES", "CURVARSET", "VARIABLES", "VAR", "VARNAME", "VARVALUE", "VARDELETED", "VARPREC",
    "VARSETTABLE", "VARSET", "VARIANTS", "VARIANT",
    // Plug-in descriptions: formats, option pages, call records.
    "INFMT", "OUTFMTS", "OUTFMT", "OPTIONS", "TRANSFEROPTPAGES", "GLOBALOPTPAGES", "OPTPAGE", "ID", "OPTTYPES",
    "OPTTYPE", "OPTITEMS", "OPTITEM", "OPTGROUPS", "OPTGROUP", "TYP", "DEPS", "DEP", "EXTLST", "EXTITM", "EXT", "LPOS",
    "LSIZ", "MIN", "VALMAP", "STRMAP", "IFACEEXEIO", "INPUTDATA", "OUTPUTDATA", "CUSTOMDATA", "RECID",
    "DLLOUTFILELIST",
};

class treeTextC {
 public:
  explicit treeTextC(FuzzedDataProvider& input) : input(input) {}

  // One or two top-level nodes with blocks, at most about maxNodes nodes, 6 levels.
  std::string document(int maxNodes) {
    budget = maxNodes;
    std::string text;
    int tops = input.ConsumeIntegralInRange<int>(1, 2);
    for (int i = 0; i < tops; ++i) {
      text += pick(keyWords);
      text += '{';
      children(text, 1);
      text += '}';
    }
    return text;
  }

  std::string quoted(const std::string& raw) {
    std::string text = "\"";
    for (char c : raw) {
      if (c == '"' || c == '\\') text += '\\';
      if (c != 0) text += c;
    }
    return text + '"';
  }

  template <size_t n>
  const char* pick(const char* const (&words)[n]) {
    return words[input.ConsumeIntegralInRange<size_t>(0, n - 1)];
  }

 private:
  FuzzedDataProvider& input;
  int budget = 0;

  void children(std::string& text, int depth) {
    int count = input.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < count && budget > 0; ++i) {
      --budget;
      if (i) text += ' ';
      switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
          text += quoted(input.ConsumeRandomLengthString(12));
          break;
        case 1: {
          static constexpr const char* numbers[] = {"0", "1", "-1", "2.5", "1e999", "-1e999", "7", "255", "1e300"};
          text += pick(numbers);
          break;
        }
        case 2:
          text += std::to_string(input.ConsumeIntegral<int16_t>());
          break;
        default:
          text += pick(keyWords);
          if (depth < 6 && input.ConsumeBool()) {
            text += '{';
            children(text, depth + 1);
            text += '}';
          }
          break;
      }
    }
  }
};

}  // namespace scriptFuzz
