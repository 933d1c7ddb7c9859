#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The desk-wide data of the open project.
struct PultDatenSatz {
    int16_t PultOpt_ZS_AdrOpt = 0;       // module address = column + 100 x row
    int16_t PultOpt_HellStartOpt = 0;
    int16_t PultOpt_HellWert = 0;
    int16_t PultOpt_HellOpt = 0;
    int16_t PultOpt_TastenOpt = 0;
    int16_t PultOpt_StartReboot = 0;
    int16_t PultOpt_StartUpOpt = 0;      // stored only
    int16_t PultOpt_StartUpWert = 0;     // stored only
    int16_t PultOpt_WeichenEinschalt = 0;
    int16_t PultOpt_TastenProgZeit = 0;
    QString PultName;                    // at most 8 characters
    int16_t PultProgJahr = 0;            // last programming; 0 = never
    int16_t PultProgTag = 0;             // day x 100 + month
    int16_t PultProgZeit = 0;            // hour x 100 + minute
    std::array<int16_t, 8> Kennung{};    // identity stamp of the project
    std::array<int16_t, 8> TempKennung{};// stamp being written
    int16_t PultInit = 0;                // -1 = desk initialised as a whole
    int16_t PultOpt_WeichenUmlaufBlinken = 0;
    int16_t PultOpt_WeichenBelegtOpt = 0;
    int16_t PultOpt_HS_FolgeAdr = 0;
    int16_t PultOpt_VS_FolgeAdr = 0;
};

inline PultDatenSatz PultDaten;

// The plan lock: true = the track plan cannot be edited.
inline bool PultOptGPLocked = false;

// Folder (ending in "/") and file name of the open project.
inline QString PultVerz;
inline QString PultDatei;
