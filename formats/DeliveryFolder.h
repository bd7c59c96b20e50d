#pragma once
// The electronic delivery of a boring survey: a BORING folder with the folder
// management file BORING.XML (DTD 1.50, 2.00, ...), which lists every
// borehole with its position and the names of its files: the exchange file
// in DATA/ (BED0001.XML), the electronic log in LOG/ (BRG0001.PDF) and the
// simplified log. The texts here are UTF-8 as the management file gives
// them: they name files and go to reports, never into a document.
#include <optional>
#include <string>
#include <vector>

namespace kolv {

inline constexpr const char* deliveryManagementFileName = "BORING.XML";
inline constexpr const char* deliveryDataFolderName = "DATA";
inline constexpr const char* deliveryLogFolderName = "LOG";

// The geodetic datum of a position, by the code the files write (0, 1, 2,
// also zero-padded as "01").
enum class GeodeticDatum { Unknown, Tokyo, Jgd2000, Jgd2011 };

GeodeticDatum geodeticDatumOfCode(const std::string& code);
// "Tokyo", "JGD2000", "JGD2011" or "unknown".
const char* geodeticDatumName(GeodeticDatum datum);

// Degrees, minutes and seconds as written; decimal() is empty when one of
// them is no number, minutes or seconds reach 60 or the degrees pass limit.
struct SexagesimalAngle {
    std::string degrees;
    std::string minutes;
    std::string seconds;

    bool isEmpty() const { return degrees.empty() && minutes.empty() && seconds.empty(); }
    std::optional<double> decimal(double limit) const;
    // "135°44'23.88\"" for reports; empty when nothing was written.
    std::string text() const;
};

inline constexpr double largestLatitude = 90.0;
inline constexpr double largestLongitude = 180.0;

// One <ボーリング情報> of the management file.
struct DeliveryBorehole {
    std::string name;
    std::string serial;
    SexagesimalAngle longitude;
    SexagesimalAngle latitude;
    std::string datumCode;
    std::string elevationText;      // 孔口標高, metres
    std::string drilledLengthText;  // 掘進長 (1.50) or 総削孔長 (2.00)
    std::string logKind;            // 柱状図区分
    std::string exchangeFileName;   // as written, in DATA/
    std::string logFileName;        // the electronic log, in LOG/
    std::string simplifiedLogFileName;

    // The exchange file found in DATA/ (its name compared without regard to
    // case, as on the systems deliveries are made on); empty when missing.
    std::string exchangeFilePath;
    // What is wrong with the entry (UTF-8 sentences): a missing exchange
    // file, coordinates that are no angle, values that are no number.
    std::vector<std::string> problems;

    GeodeticDatum datum() const { return geodeticDatumOfCode(datumCode); }
    std::optional<double> longitudeDegrees() const { return longitude.decimal(largestLongitude); }
    std::optional<double> latitudeDegrees() const { return latitude.decimal(largestLatitude); }
    std::optional<double> elevation() const;
    std::optional<double> drilledLength() const;
};

struct DeliveryFolder {
    std::string folder;              // the BORING folder
    std::string managementFilePath;  // its BORING.XML
    std::string dtdVersion;          // DTD_version of the root element
    std::string dtdFileName;         // the document type's system name ("BRG0150.DTD")
    std::vector<DeliveryBorehole> boreholes;
};

enum class DeliveryReadStatus { Read, NoManagementFile, NotWellFormed, NotManagementFile };

// Reads the management file of path: a BORING folder or its BORING.XML
// (any case). Entries whose exchange file is missing, or whose values are
// unusable, are read with their problems; only a missing, broken or foreign
// management file fails, with its reason (UTF-8) in error.
DeliveryReadStatus readDeliveryFolder(const std::string& path, DeliveryFolder& delivery, std::string& error);

// True for the bytes of a folder management file (root element BORING).
bool isDeliveryManagementText(const std::string& bytes);

// A name of a file within its folder: no path, no drive, not "." or "..".
// The management file comes from outside; its names must not lead
// elsewhere.
bool isPlainFileName(const std::string& name);

// The entry of folder whose name equals name without regard to ASCII case;
// empty when there is none.
std::string findEntryIgnoringCase(const std::string& folder, const std::string& name);

}  // namespace kolv
