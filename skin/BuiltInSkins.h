#pragma once
// The two built-in skin archives, "Default" and "ZE6 ZO", embedded as the
// resources ":/skins/1.zip" and ":/skins/2.zip" (the id of a built-in skin
// is its place in the skin list plus one).

// Registers the embedded archives. They live in a static library, so this
// must run once before the first read; further calls do nothing.
void InitBuiltInSkins();

// ":/skins/<id>.zip"
class QString;
QString BuiltInSkinResource(int id);
