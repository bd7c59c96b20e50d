#pragma once
// The command numbers of the menus and the tool bar. The numbers of the
// classic commands are kept, so the data and settings dialogs are called with
// the numbers they know.
namespace kolv::command {

// File
inline constexpr int newDocument = 57600;
inline constexpr int open = 57601;
inline constexpr int save = 57603;
inline constexpr int saveAs = 57604;
inline constexpr int print = 57607;
inline constexpr int printPreview = 57609;
inline constexpr int printSetup = 57606;
inline constexpr int paperDefaults = 57610;
inline constexpr int recentFile = 57616;
inline constexpr int exit = 57665;
inline constexpr int exportPdf = 4101;
inline constexpr int exportXml = 4102;
inline constexpr int openDelivery = 4103;
inline constexpr int exportDeliveryLogs = 4104;

// Edit
inline constexpr int undo = 4111;
inline constexpr int redo = 4112;

// Data
inline constexpr int heading = 1009;
inline constexpr int geology = 1010;
inline constexpr int nValue = 32775;
inline constexpr int notes = 32776;
inline constexpr int samples = 32780;
inline constexpr int recovery = 32773;
inline constexpr int waterLevel = 32771;
inline constexpr int inSitu = 32779;
inline constexpr int drilling = 32772;
inline constexpr int freeNotes = 32774;
inline constexpr int fullWidthCheck = 32782;

// View
inline constexpr int toolBar = 59392;
inline constexpr int statusBar = 59393;
inline constexpr int screenDrawing = 59394;
inline constexpr int displayWidth = 32781;
inline constexpr int pageFooter = 32770;
inline constexpr int previousPage = 4040;
inline constexpr int nextPage = 4041;
inline constexpr int zoomIn = 4121;
inline constexpr int zoomOut = 4122;
inline constexpr int fitWidth = 4123;
inline constexpr int actualSize = 4124;

// Settings
inline constexpr int scaleAndDepth = 3001;
inline constexpr int logStyle = 3005;
inline constexpr int soilNames = 3009;
inline constexpr int shortTexts = 3006;
inline constexpr int masterFileNames = 3012;
inline constexpr int fonts = 3002;
inline constexpr int keyOptions = 3010;
inline constexpr int setup = 3011;

// Help
inline constexpr int help = 1012;
inline constexpr int about = 57664;

}  // namespace kolv::command
