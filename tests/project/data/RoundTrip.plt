// Erzeugt mit Tessaro-Edit Ver. 1.0.0 am 07.12.2026 //
Verkehr:  0 
PultName: Golden8
PultOptGPLocked: -1 
PultInit: -1 
PultProgJahr:  2026 
PultProgTag:  712 
PultProgZeit:  1405 
PultdimensionenX: 3
PultdimensionenY: 2
PultOpt_ZS_AdrOpt: 1
PultOpt_HellStartOpt: 1
PultOpt_HellWert: 7
PultOpt_HellOpt: 1
PultOpt_TastenOpt: 1
PultOpt_StartUpOpt: 3
PultOpt_StartUpWert: -12
PultOpt_StartReboot: 1
PultOpt_TastenProgZeit: 255
PultOpt_WeichenEinschalt: 31
PultOpt_WeichenUmlaufBlinken: 1
PultOpt_WeichenBelegtOpt:  1 
PultOpt_HS_FolgeAdr:  1 
PultOpt_VS_FolgeAdr:  1 
AdrOpt_MagAdr_FaGTHaGT: 2047
AdrOpt_MagAdr_SGTFHT: 1999
AdrOpt_StartAdr_MAWeichen: 1
AdrOpt_StartAdr_RMWeichen: 4095
AdrOpt_StartAdr_Entkuppler: 300
AdrOpt_StartAdr_Schalt: 400
AdrOpt_StartAdr_MAAusl: 500
AdrOpt_StartAdr_RMAusl: 3000
AdrOpt_StartAdr_Hauptsig: 600
AdrOpt_StartAdr_Vorsig: 700
AdrOpt_StartAdr_Rangsig: 800
AdrOpt_StartAdr_Zwergsig: 900
AdrOpt_StartAdr_Zieltaster: 1000
AdrOpt_StartAdr_TsperrZT: 4001
AdrOpt_StartAdr_TsperrW: 1100
AdrOpt_StartAdr_Fahrst: 4090
AdrOpt_AdrOff_MAWeichen: -3
AdrOpt_AdrOff_RMWeichen: 2
AdrOpt_AdrOff_Entkuppler: 2.5
AdrOpt_AdrOff_Schalt: 4
AdrOpt_AdrOff_MAAusl: 5
AdrOpt_AdrOff_RMAusl: 6
AdrOpt_AdrOff_Hauptsig: 7
AdrOpt_AdrOff_Vorsig: 8
AdrOpt_AdrOff_Rangsig: 9
AdrOpt_AdrOff_Zwergsig: 10
AdrOpt_AdrOff_Zieltaster: 1.5
AdrOpt_AdrOff_TsperrZT: 12
AdrOpt_AdrOff_TsperrW: 13
AdrOpt_AdrOff_Fahrst: 14
AdrOpt_OptSigMehrbegriff: 1
AdrOpt_OptNummerierung: 6
AdrOpt_OptErsetzen: 1
AdrOpt_FahrstFolgenStart: 4095
XY: 1, 1, 0, 0
XY: 1, 2, 101, 54650
XY: 2, 1, 0, 54430
XY: 2, 2, 1, 0
XY: 3, 1, 501, 54660
XY: 3, 2, 101, 54490
Fahrstraßenanzahl:  0 
FS_Fahrstraße:  0 
FS_Name:  0 ,Ost, West
FS_Start:  0 ,  0 ,  3 
FS_Ziel:  0 ,  0 ,  1 
FS_Auflösen:  0 ,  0 ,  2 
FS_Rückmeldeadressen:  0 ,  0 ,  88 
FS_Start:  0 ,  1 ,  1 
FS_Ziel:  0 ,  1 ,  2 
FS_Auflösen:  0 ,  1 ,  2 
FS_Rückmeldeadressen:  0 ,  1 ,  2 
FS_Start:  0 ,  2 ,  1 
FS_Ziel:  0 ,  2 ,  205 
FS_Auflösen:  0 ,  2 ,  77 
FS_Rückmeldeadressen:  0 ,  2 ,  89 
FS_Start:  0 ,  3 ,  0 
FS_Ziel:  0 ,  3 ,  1 
FS_Auflösen:  0 ,  3 ,  3 
FS_Rückmeldeadressen:  0 ,  3 ,  3 
FS_Start:  0 ,  4 ,  0 
FS_Ziel:  0 ,  4 , -1 
FS_Auflösen:  0 ,  4 , -1 
FS_Rückmeldeadressen:  0 ,  4 ,  0 
FS_BefAnzahl0:  0 ,  2 
FS_Route:  0 , 0,  1 ,  0 ,  3 
FS_Route:  0 , 0,  1 ,  1 ,  1 
FS_Route:  0 , 0,  1 ,  2 ,  0 
FS_Route:  0 , 0,  1 ,  3 ,  1 
FS_Route:  0 , 0,  1 ,  4 ,  7 
FS_Route:  0 , 0,  1 ,  5 ,  31 
FS_Route:  0 , 0,  1 ,  6 , -1 
FS_Route:  0 , 0,  1 ,  7 ,  2 
FS_Route:  0 , 0,  2 ,  0 ,  1 
FS_Route:  0 , 0,  2 ,  1 ,  2 
FS_Route:  0 , 0,  2 ,  2 ,  0 
FS_Route:  0 , 0,  2 ,  3 ,  1 
FS_Route:  0 , 0,  2 ,  4 ,  2 
FS_Route:  0 , 0,  2 ,  5 ,  11 
FS_Route:  0 , 0,  2 ,  6 ,  1 
FS_Route:  0 , 0,  2 ,  7 , -1 
FS_BefAnzahl1:  0 ,  0 
Anschluss: 2, 1, 20
Anschluss: 3, 2, 19
AutoFlag: 1, 2, 00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000
AutoFlag: 3, 1, 01010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101010101
AutoFlag: 3, 2, 00110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011001100110011
LNCV_Datei: 1, 2, 54650_201.lcv
LNCV_Datei: 3, 1, 54660_103.lcv
LNCV_Datei: 3, 2, 54650_203.lcv
