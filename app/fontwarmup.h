#pragma once

// Lays out a line of Japanese text in the window font once per process, so that the font
// lookups a first exam start would otherwise wait for (fontconfig's fallback lists for each
// script, the faces and their glyph metrics) are done while the menu waits for a click.
void warmUpWindowFont();
