#include "editors/fieldbus/bacnet_units.h"

#include <iterator>
#include <span>

namespace {

struct TUnit {
  int Number;
  const char16_t* Name;
};

struct TUnitCategory {
  const char16_t* Name;
  std::span<const TUnit> Units;
};

constexpr TUnit kAcceleration[] = {
    {166, u"meters-per-second-per-second"},
};
constexpr TUnit kArea[] = {
    {0, u"square-meters"}, {116, u"square-centimeters"}, {1, u"square-feet"}, {115, u"square-inches"},
};
constexpr TUnit kCurrency[] = {
    {105, u"currency1"}, {106, u"currency2"}, {107, u"currency3"}, {108, u"currency4"}, {109, u"currency5"},
    {110, u"currency6"}, {111, u"currency7"}, {112, u"currency8"}, {113, u"currency9"}, {114, u"currency10"},
};
constexpr TUnit kElectrical[] = {
    {2, u"milliamperes"}, {3, u"amperes"}, {167, u"amperes-per-meter"}, {168, u"amperes-per-square-meter"},
    {169, u"ampere-square-meters"}, {199, u"decibels"}, {200, u"decibels-millivolt"}, {201, u"decibels-volt"},
    {170, u"farads"}, {171, u"henrys"}, {4, u"ohms"}, {172, u"ohms-meters"}, {145, u"milliohms"}, {122, u"kilohms"},
    {123, u"megohms"}, {190, u"microsiemens"}, {202, u"millisiemens"}, {173, u"siemens"},
    {174, u"siemens-per-meter"}, {175, u"teslas"}, {5, u"volts"}, {124, u"millivolts"}, {6, u"kilovolts"},
    {7, u"megavolts"}, {8, u"volt-amperes"}, {9, u"kilovolt-amperes"}, {10, u"megavolt-amperes"},
    {11, u"volt-amperes-reactive"}, {12, u"kilovolt-amperes-reactive"}, {13, u"megavolt-amperes-reactive"},
    {176, u"volts-per-degree-Kelvin"}, {177, u"volts-per-meter"}, {14, u"degrees-phase"}, {15, u"power-factor"},
    {178, u"webers"},
};
constexpr TUnit kEnergy[] = {
    {16, u"joules"}, {17, u"kilojoules"}, {125, u"kilojoules-per-kilogram"}, {126, u"megajoules"},
    {18, u"watt-hours"}, {19, u"kilowatt-hours"}, {146, u"megawatt-hours"}, {203, u"watt-hours-reactive"},
    {204, u"kilowatt-hours-reactive"}, {205, u"megawatt-hours-reactive"}, {20, u"btus"}, {147, u"kilo-btus"},
    {148, u"mega-btus"}, {21, u"therms"}, {22, u"ton-hours"},
};
constexpr TUnit kEnthalpy[] = {
    {23, u"joules-per-kilogram-dry-air"}, {149, u"kilojoules-per-kilogram-dry-air"},
    {150, u"megajoules-per-kilogram-dry-air"}, {24, u"btus-per-pound-dry-air"}, {117, u"btus-per-pound"},
};
constexpr TUnit kEntropy[] = {
    {127, u"joules-per-degree-Kelvin"}, {151, u"kilojoules-per-degree-Kelvin"},
    {152, u"megajoules-per-degree-Kelvin"}, {128, u"btus-per-kilogram-degree-Kelvin"},
};
constexpr TUnit kForce[] = {
    {153, u"newton"},
};
constexpr TUnit kFrequency[] = {
    {25, u"cycles-per-hour"}, {26, u"cycles-per-minute"}, {27, u"hertz"}, {129, u"kilohertz"}, {130, u"megahertz"},
    {131, u"per-hour"},
};
constexpr TUnit kHumidity[] = {
    {28, u"grams-of-water-per-kilogram-dry-air"}, {29, u"percent-relative-humidity"},
};
constexpr TUnit kLength[] = {
    {194, u"micrometers"}, {30, u"millimeters"}, {118, u"centimeters"}, {193, u"kilometers"}, {31, u"meters"},
    {32, u"inches"}, {33, u"feet"},
};
constexpr TUnit kLight[] = {
    {179, u"candelas"}, {180, u"candelas-per-square-meter"}, {34, u"watts-per-square-foot"},
    {35, u"watts-per-square-meter"}, {36, u"lumens"}, {37, u"luxes"}, {38, u"foot-candles"},
};
constexpr TUnit kMass[] = {
    {196, u"milligrams"}, {195, u"grams"}, {39, u"kilograms"}, {40, u"pounds-mass"}, {41, u"tons"},
};
constexpr TUnit kMass_Flow[] = {
    {154, u"grams-per-second"}, {155, u"grams-per-minute"}, {42, u"kilograms-per-second"},
    {43, u"kilograms-per-minute"}, {44, u"kilograms-per-hour"}, {119, u"pounds-mass-per-second"},
    {45, u"pounds-mass-per-minute"}, {46, u"pounds-mass-per-hour"}, {156, u"tons-per-hour"},
};
constexpr TUnit kPower[] = {
    {132, u"milliwatts"}, {47, u"watts"}, {48, u"kilowatts"}, {49, u"megawatts"}, {50, u"btus-per-hour"},
    {157, u"kilo-btus-per-hour"}, {51, u"housepower"}, {52, u"tons-refrigeration"},
};
constexpr TUnit kPressure[] = {
    {53, u"pascals"}, {133, u"hectopascals"}, {54, u"kilopascals"}, {134, u"millibars"}, {55, u"bars"},
    {56, u"pounds-force-per-square-inch"}, {206, u"millimeters-of-water"}, {57, u"centimeters-of-water"},
    {58, u"inches-of-water"}, {59, u"millimeters-of-mercury"}, {60, u"centimeters-of-mercury"},
    {61, u"inches-of-mercury"},
};
constexpr TUnit kTemperature[] = {
    {62, u"degrees-Celsius"}, {63, u"degrees-Kelvin"}, {181, u"degrees-Kelvin-per-hour"},
    {182, u"degrees-Kelvin-per-minute"}, {64, u"degrees-Fahrenheit"}, {65, u"degree-days-Celsius"},
    {66, u"degree-days-Fahrenheit"}, {120, u"delta-degrees-Fahrenheit"}, {121, u"delta-degrees-Kelvin"},
};
constexpr TUnit kTime[] = {
    {67, u"years"}, {68, u"months"}, {69, u"weeks"}, {70, u"days"}, {71, u"hours"}, {72, u"minutes"},
    {73, u"seconds"}, {158, u"hundredths-seconds"}, {159, u"milliseconds"},
};
constexpr TUnit kTorque[] = {
    {160, u"newton-meters"},
};
constexpr TUnit kVelocity[] = {
    {161, u"millimeters-per-second"}, {162, u"millimeters-per-minute"}, {74, u"meters-per-second"},
    {163, u"meters-per-minute"}, {164, u"meters-per-hour"}, {75, u"kilometers-per-hour"}, {76, u"feet-per-second"},
    {77, u"feet-per-meters"}, {78, u"miles-per-hour"},
};
constexpr TUnit kVolume[] = {
    {79, u"cubic-feet"}, {80, u"cubic-meters"}, {81, u"imperial-gallons"}, {197, u"milliliters"}, {82, u"liters"},
    {83, u"us-gallons"},
};
constexpr TUnit kVolumetric_Flow[] = {
    {142, u"cubic-feet-per-second"}, {84, u"cubic-feet-per-minute"}, {191, u"cubic-feet-per-hour"},
    {85, u"cubic-meters-per-second"}, {165, u"cubic-meters-per-minute"}, {135, u"cubic-meters-per-hour"},
    {86, u"imperial-gallons-per-minute"}, {198, u"milliliters-per-second"}, {87, u"liters-per-second"},
    {88, u"liters-per-minute"}, {136, u"liters-per-hour"}, {89, u"us-gallons-per-minute"},
    {192, u"us-gallons-per-hour"},
};
constexpr TUnit kOther[] = {
    {90, u"degrees-angular"}, {91, u"degrees-Celsius-per-hour"}, {92, u"degrees-Celsius-per-minute"},
    {93, u"degrees-Fahrenheit-per-hour"}, {94, u"degrees-Fahrenheit-per-minute"}, {183, u"joule-seconds"},
    {186, u"kilograms-per-cubic-meter"}, {137, u"kilowatt-hours-per-square-meter"},
    {138, u"kilowatt-hours-per-square-foot"}, {139, u"megajoules-per-square-meter"},
    {140, u"megajoules-per-square-foot"}, {95, u"no-units"}, {187, u"newton-seconds"}, {188, u"newtons-per-meter"},
    {96, u"parts-per-million"}, {97, u"parts-per-billion"}, {98, u"percent"},
    {143, u"percent-obscuration-per-foot"}, {144, u"percent-obscuration-per-meter"}, {99, u"percent-per-second"},
    {100, u"per-minute"}, {101, u"per-second"}, {102, u"psi-per-degree-Fahrenheit"}, {103, u"radiants"},
    {184, u"radians-per-second"}, {104, u"revolutions-per-minute"}, {185, u"square-meters-per-Newton"},
    {189, u"watts-per-meter-per-degree-Kelvin"}, {141, u"watts-per-square-meter-degree-kelvin"},
    {207, u"per-mille"}, {208, u"grams-per-gram"}, {209, u"kilograms-per-kilogram"}, {210, u"grams-per-kilogram"},
    {211, u"milligrams-per-gram"}, {212, u"milligrams-per-kilogram"}, {213, u"grams-per-milliliter"},
    {214, u"grams-per-liter"}, {215, u"milligrams-per-liter"}, {216, u"micrograms-per-liter"},
    {217, u"grams-per-cubic-meter"}, {218, u"milligrams-per-cubic-meter"}, {219, u"micrograms-per-cubic-meter"},
    {220, u"nanograms-per-cubic-meter"}, {221, u"grams-per-cubic-centimeter"}, {222, u"becquerels"},
    {223, u"kilobecquerels"}, {224, u"megabecquerels"}, {225, u"gray"}, {226, u"milligray"}, {227, u"microgray"},
    {228, u"sieverts"}, {229, u"millisieverts"}, {230, u"microsieverts"}, {231, u"microsieverts-per-hour"},
    {232, u"decibels-a"}, {233, u"nephelometric-turbidity-unit"}, {234, u"pH"}, {235, u"grams-per-square-meter"},
    {236, u"minutes-per-degree-kelvin"},
};
constexpr TUnitCategory kCategories[] = {
    {u"Acceleration", kAcceleration},
    {u"Area", kArea},
    {u"Currency", kCurrency},
    {u"Electrical", kElectrical},
    {u"Energy", kEnergy},
    {u"Enthalpy", kEnthalpy},
    {u"Entropy", kEntropy},
    {u"Force", kForce},
    {u"Frequency", kFrequency},
    {u"Humidity", kHumidity},
    {u"Length", kLength},
    {u"Light", kLight},
    {u"Mass", kMass},
    {u"Mass Flow", kMass_Flow},
    {u"Power", kPower},
    {u"Pressure", kPressure},
    {u"Temperature", kTemperature},
    {u"Time", kTime},
    {u"Torque", kTorque},
    {u"Velocity", kVelocity},
    {u"Volume", kVolume},
    {u"Volumetric Flow", kVolumetric_Flow},
    {u"Other", kOther},
};

// The names Desc_Unit gives where they differ from the picker's.
constexpr TUnit kOwn_Names[] = {
    {172, u"ohm-meters"},
    {139, u"megajoules-hours-per-square-meter"},
    {140, u"megajoules-hours-per-square-foot"},
};

static_assert(int(std::size(kCategories)) == kUnit_Category_Count);

}  // namespace

QStringList Unit_Category_Names() {
  QStringList names;
  for (const TUnitCategory& c : kCategories) names.append(QString::fromUtf16(c.Name));
  return names;
}

QStringList Unit_Names(int category) {
  QStringList names;
  if (category < 0 || category >= kUnit_Category_Count) return names;
  for (const TUnit& u : kCategories[category].Units) names.append(QString::fromUtf16(u.Name));
  return names;
}

int Unit_Number(int category, int index) {
  if (category < 0 || category >= kUnit_Category_Count) return -1;
  const std::span<const TUnit> units = kCategories[category].Units;
  return index >= 0 && size_t(index) < units.size() ? units[size_t(index)].Number : -1;
}

QString Desc_Unit(int number) {
  for (const TUnit& u : kOwn_Names)
    if (u.Number == number) return QString::fromUtf16(u.Name);
  for (const TUnitCategory& c : kCategories)
    for (const TUnit& u : c.Units)
      if (u.Number == number) return QString::fromUtf16(u.Name);
  return QStringLiteral("unknown");
}
