#pragma once
// The shader enumerants (the GLES 1.1 headers stop before shaders, so the
// numbers are the GL's own) and the names under which shader and program
// parameters are reported.

namespace video {

enum ShaderEnum : unsigned int {
  SHADER_FRAGMENT = 0x8B30,
  SHADER_VERTEX = 0x8B31,
  PARAMETER_SHADER_TYPE = 0x8B4F,
  PARAMETER_DELETE_STATUS = 0x8B80,
  PARAMETER_COMPILE_STATUS = 0x8B81,
  PARAMETER_LINK_STATUS = 0x8B82,
  PARAMETER_VALIDATE_STATUS = 0x8B83,
  PARAMETER_INFO_LOG_LENGTH = 0x8B84,
  PARAMETER_ATTACHED_SHADERS = 0x8B85,
  PARAMETER_ACTIVE_UNIFORMS = 0x8B86,
  PARAMETER_ACTIVE_UNIFORM_MAX_LENGTH = 0x8B87,
  PARAMETER_SHADER_SOURCE_LENGTH = 0x8B88,
  PARAMETER_ACTIVE_ATTRIBUTES = 0x8B89,
  PARAMETER_ACTIVE_ATTRIBUTE_MAX_LENGTH = 0x8B8A,
};

// "Compile Status", "Link Status" and the rest; empty for any other parameter.
const wchar_t *shaderParameterName(unsigned int parameter);

} // namespace video
