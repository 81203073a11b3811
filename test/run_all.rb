# Runs every Ruby test file under test/. With --gc-stress it runs the tests
# of the module functions, the value classes and two scene upgrades only,
# with GC.stress on around every call into the extension.
$LOAD_PATH.unshift(__dir__)
files = Dir.glob(File.join(__dir__, "*_test.rb")).sort
if ARGV.delete("--gc-stress")
  ENV["NOXBIN2XML_GC_STRESS"] = "1"
  files = files.grep(/(module_functions|value_classes|scene_upgrade)_test\.rb\z/)
end
files.each { |file| require file }
