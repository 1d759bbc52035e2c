#pragma once
// The dictionary keys of billboards, made once.

#include "xstring/Symbol.h"

struct BillboardKeys {
  Symbol prototype = Symbol::intern(L"prototype");
  Symbol texture = Symbol::intern(L"texture");
  Symbol initialColor = Symbol::intern(L"initialColor");
  Symbol initialScale = Symbol::intern(L"initialScale");
  Symbol initialRotation = Symbol::intern(L"initialRotation");
  Symbol blend = Symbol::intern(L"blend");
  Symbol blendBehavior = Symbol::intern(L"blendBehavior");
  Symbol textureStyle = Symbol::intern(L"textureStyle");
  Symbol size = Symbol::intern(L"size");
  Symbol center = Symbol::intern(L"center");
  Symbol centered = Symbol::intern(L"centered");
  Symbol subRect = Symbol::intern(L"subRect");
  Symbol texCoords = Symbol::intern(L"texCoords");
  Symbol flip = Symbol::intern(L"flip");
  Symbol position = Symbol::intern(L"position");
  Symbol alphaTest = Symbol::intern(L"alphaTest");
  Symbol alphaFunction = Symbol::intern(L"alphaFunction");
  Symbol alphaReference = Symbol::intern(L"alphaReference");
  Symbol depthTest = Symbol::intern(L"depthTest");
  Symbol depthWrite = Symbol::intern(L"depthWrite");
  Symbol alignment = Symbol::intern(L"alignment");
  Symbol xy = Symbol::intern(L"xy");
  Symbol xz = Symbol::intern(L"xz");
  Symbol faceCamera = Symbol::intern(L"faceCamera");
  Symbol loop = Symbol::intern(L"loop");
  Symbol frames = Symbol::intern(L"frames");
  Symbol time = Symbol::intern(L"time");
  Symbol billboard = Symbol::intern(L"billboard");
};

const BillboardKeys &billboardKeys();
