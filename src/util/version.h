// The program's version, as the About box and the installer show it.
#pragma once

constexpr char kVelloxVersion[] = "3.9.0";
