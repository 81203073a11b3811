version = File.read(File.join(__dir__, "ext/noxbin2xml/Version.h"))[/NOXBIN2XML_VERSION "([^"]+)"/, 1]

Gem::Specification.new do |spec|
  spec.name = "noxbin2xml"
  spec.version = version
  spec.summary = "Converts the plug-in's old binary scene, material and light records to XML assets"
  spec.authors = ["Noxbin2xml developers"]
  spec.license = "Nonstandard"
  spec.files = Dir["ext/noxbin2xml/**/*.{rb,h,cpp,map}", "lib/**/*.rb", "README.md"]
  spec.extensions = ["ext/noxbin2xml/extconf.rb"]
  spec.require_paths = ["lib"]
  spec.required_ruby_version = ">= 2.7"
end
